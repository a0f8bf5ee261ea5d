# The folders an install puts files into, and what each install finds missing of them before it
# starts: the uninstall script removes those again (when empty). Included before any install
# rule, as rules run in the order they are declared.
include(GNUInstallDirs)

set(PLUVO_INSTALL_HIVE ${CMAKE_INSTALL_FULL_SYSCONFDIR}/xdg)
set(PLUVO_UNINSTALL_SCRIPT ${CMAKE_INSTALL_FULL_DATADIR}/pluvo/uninstall.script)
set(PLUVO_SETUP_PROGRAM ${CMAKE_INSTALL_FULL_LIBEXECDIR}/pluvo/pluvo-setup)
set(pluvo_install_folders
    ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_LIBEXECDIR}/pluvo
    ${CMAKE_INSTALL_PREFIX}/${PLUVO_DIALOGS_DIR}
    ${CMAKE_INSTALL_FULL_LIBEXECDIR}/xscreensaver
    ${CMAKE_INSTALL_FULL_DATADIR}/xscreensaver/config
    ${CMAKE_INSTALL_FULL_DATADIR}/applications/screensavers
    ${CMAKE_INSTALL_FULL_MANDIR}/man6
    ${CMAKE_INSTALL_FULL_DATADIR}/pluvo
    ${PLUVO_INSTALL_HIVE})

# The program finds its hive by the prefix it was built for; registered under another prefix,
# it would never find its entry or its default settings. Stopping before the first file is
# copied leaves nothing half installed.
install(CODE "
    if(NOT CMAKE_INSTALL_PREFIX STREQUAL \"${CMAKE_INSTALL_PREFIX}\")
        message(FATAL_ERROR \"This build was configured for the prefix ${CMAKE_INSTALL_PREFIX}, \"
            \"and its programs look for their settings and uninstall entry under \"
            \"${PLUVO_INSTALL_HIVE}. To install under \${CMAKE_INSTALL_PREFIX}, configure a build \"
            \"with -DCMAKE_INSTALL_PREFIX=\${CMAKE_INSTALL_PREFIX}; to copy the files without \"
            \"registering them, add --component Unspecified.\")
    endif()
    set(pluvo_install_folders \"${pluvo_install_folders}\")
    set(pluvo_missing_folders)
    foreach(folder IN LISTS pluvo_install_folders)
        while(NOT IS_DIRECTORY \"\$ENV{DESTDIR}\${folder}\" AND NOT folder STREQUAL \"/\")
            list(APPEND pluvo_missing_folders \"\${folder}\")
            get_filename_component(folder \"\${folder}\" DIRECTORY)
        endwhile()
    endforeach()
    list(REMOVE_DUPLICATES pluvo_missing_folders)
" COMPONENT Registration)
