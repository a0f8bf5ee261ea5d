# Registers the install once every file is in place: the product's entry in the install's hive,
# the machine-wide default settings and the uninstall script that removes what was installed.
# A component of its own, so that a package (whose maintainer scripts register it) and a staged
# copy can leave it out.
set(pluvo_registration_dir ${CMAKE_BINARY_DIR}/registration)
install(CODE "
    set(destdir \"\$ENV{DESTDIR}\")
    # The link to the program among XScreenSaver's is made outside the manifest.
    set(files \${CMAKE_INSTALL_MANIFEST_FILES}
        \"\${destdir}${CMAKE_INSTALL_FULL_LIBEXECDIR}/xscreensaver/pluvo\")
    set(manifest \"\")
    foreach(file IN LISTS files)
        if(destdir)
            string(LENGTH \"\${destdir}\" length)
            string(SUBSTRING \"\${file}\" 0 \${length} head)
            if(head STREQUAL destdir)
                string(SUBSTRING \"\${file}\" \${length} -1 file)
            endif()
        endif()
        get_filename_component(folder \"\${file}\" DIRECTORY)
        # The install script runs without the project's policies: no IN_LIST.
        list(FIND pluvo_install_folders \"\${folder}\" known)
        if(known EQUAL -1)
            message(WARNING \"\${file} lies outside the folders packaging/InstallFolders.cmake \"
                \"lists; the uninstaller would leave its folder behind.\")
        endif()
        string(APPEND manifest \"\${file}\\n\")
    endforeach()
    set(folders \"\")
    foreach(folder IN LISTS pluvo_missing_folders)
        string(APPEND folders \"\${folder}\\n\")
    endforeach()
    file(WRITE \"${pluvo_registration_dir}/manifest\" \"\${manifest}\")
    file(WRITE \"${pluvo_registration_dir}/created-folders\" \"\${folders}\")
    set(stage)
    if(destdir)
        set(stage --destdir \"\${destdir}\")
    endif()
    message(STATUS \"Registering: ${PLUVO_UNINSTALL_SCRIPT}\")
    execute_process(
        COMMAND \"\${destdir}${PLUVO_SETUP_PROGRAM}\" register
                --hive \"\${destdir}${PLUVO_INSTALL_HIVE}\" --script \"${PLUVO_UNINSTALL_SCRIPT}\"
                --manifest \"${pluvo_registration_dir}/manifest\"
                --created-folders \"${pluvo_registration_dir}/created-folders\" \${stage}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR \"The install could not be registered.\")
    endif()
" COMPONENT Registration)
