# pluvo_platform_free(TARGET): the unit's build fails when any of its sources reaches a platform
# header, so that the unit stays buildable for Windows as well as for Linux. Called in the folder
# that makes the target. What the unit needs of the system it asks through a declaration of its
# own; the back ends under src/backends/ hold the definitions.
#
# The check runs before the unit's archive is made, over the dependency files the compiler wrote
# for the unit's objects; a failing check leaves no archive behind, so the next build runs it
# again. A unit that is still only headers has nothing compiled to check.
set(PLUVO_PLATFORM_FREE_CHECK ${CMAKE_CURRENT_LIST_DIR}/PlatformFreeCheck.cmake)

function(pluvo_platform_free target)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        return()
    endif()
    set(objects_file ${CMAKE_CURRENT_BINARY_DIR}/${target}-objects-$<CONFIG>.txt)
    file(GENERATE OUTPUT ${objects_file} CONTENT "$<JOIN:$<TARGET_OBJECTS:${target}>,\n>\n")
    add_custom_command(
        TARGET ${target} PRE_LINK
        COMMAND ${CMAKE_COMMAND} -DTARGET=${target} -DOBJECTS_FILE=${objects_file}
                -DPROJECT_SOURCES=${PROJECT_SOURCE_DIR}/src
                -DCOMPILE_FOLDER=${CMAKE_CURRENT_BINARY_DIR} -P ${PLUVO_PLATFORM_FREE_CHECK}
        COMMENT "Checking that ${target} reaches no platform header"
        VERBATIM)
    # A stricter check runs again over units that passed the old one.
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PLUVO_PLATFORM_FREE_CHECK})
endfunction()
