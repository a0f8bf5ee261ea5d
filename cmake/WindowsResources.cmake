# pluvo_windows_resource_script(OUTPUT TYPE KEY FILE ...): writes the windres script of the
# program's resources. Each TYPE KEY FILE triple (FILE under resources/) becomes one resource;
# the TEXT STRINGTABLE entry becomes the program's string tables, with the Windows texts of
# resources/strings/stringtable-windows.txt in place of those they replace, the dialog templates
# of resources/windows/*.rc, and a version resource names the product, its maker and its
# version.

# Reads one string-table file into variables pluvo_string_<id>, listing the ids in ids_var.
function(pluvo_read_string_table file ids_var)
    file(READ ${file} content)
    # Lists split at semicolons, which the texts may hold: they travel as a placeholder.
    string(REPLACE ";" "<semicolon>" content "${content}")
    string(REPLACE "\r" "" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set(ids ${${ids_var}})
    foreach(line IN LISTS lines)
        if(line MATCHES "^([0-9]+)[ \t]+\"(.*)\"[ \t]*$")
            set(id ${CMAKE_MATCH_1})
            set(text "${CMAKE_MATCH_2}")
            # windres reads C escapes but takes a doubled quote for a quote.
            string(REPLACE "\\\\" "<backslash>" text "${text}")
            string(REPLACE "\\\"" "\"\"" text "${text}")
            string(REPLACE "<backslash>" "\\\\" text "${text}")
            string(REPLACE "<semicolon>" ";" text "${text}")
            set(pluvo_string_${id} "${text}" PARENT_SCOPE)
            list(APPEND ids ${id})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES ids)
    set(${ids_var} ${ids} PARENT_SCOPE)
endfunction()

function(pluvo_windows_resource_script output)
    set(resources ${PROJECT_SOURCE_DIR}/resources)
    set(script "#pragma code_page(65001)\n#include <winver.h>\n#include <windows.h>\n#include <commctrl.h>\n\n")
    set(depends "")
    list(LENGTH ARGN count)
    set(index 0)
    while(index LESS count)
        math(EXPR key_index "${index} + 1")
        math(EXPR file_index "${index} + 2")
        list(GET ARGN ${index} type)
        list(GET ARGN ${key_index} key)
        list(GET ARGN ${file_index} file)
        list(APPEND depends ${resources}/${file})
        if(NOT type STREQUAL "TEXT")
            string(APPEND script "${key} ${type} \"${resources}/${file}\"\n")
        endif()
        math(EXPR index "${index} + 3")
    endwhile()

    set(ids "")
    pluvo_read_string_table(${resources}/strings/stringtable.txt ids)
    pluvo_read_string_table(${resources}/strings/stringtable-windows.txt ids)
    list(APPEND depends ${resources}/strings/stringtable-windows.txt)
    string(APPEND script "\nSTRINGTABLE\nBEGIN\n")
    foreach(id IN LISTS ids)
        string(APPEND script "    ${id}, \"${pluvo_string_${id}}\"\n")
    endforeach()
    string(APPEND script "END\n")

    set(version ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
    string(APPEND script "
1 VERSIONINFO
FILEVERSION ${version}
PRODUCTVERSION ${version}
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_APP
BEGIN
    BLOCK \"StringFileInfo\"
    BEGIN
        BLOCK \"040904B0\"
        BEGIN
            VALUE \"CompanyName\", \"Quorvel\"
            VALUE \"FileDescription\", \"Pluvo Screen Saver\"
            VALUE \"FileVersion\", \"${PROJECT_VERSION}\"
            VALUE \"ProductName\", \"Pluvo Screen Saver\"
            VALUE \"ProductVersion\", \"${PROJECT_VERSION}\"
        END
    END
    BLOCK \"VarFileInfo\"
    BEGIN
        VALUE \"Translation\", 0x409, 1200
    END
END
")
    # The dialog templates, one file for each part of the program.
    file(GLOB dialog_scripts CONFIGURE_DEPENDS ${resources}/windows/*.rc)
    list(SORT dialog_scripts)
    foreach(dialog_script IN LISTS dialog_scripts)
        file(READ ${dialog_script} dialogs)
        string(APPEND script "\n${dialogs}")
    endforeach()
    list(APPEND depends ${dialog_scripts})
    # Written as it is, and touched only when it changed, so that a new configure does not
    # recompile the resources.
    file(WRITE ${output}.new "${script}")
    configure_file(${output}.new ${output} COPYONLY)
    set_source_files_properties(${output} PROPERTIES OBJECT_DEPENDS "${depends}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${resources}/strings/stringtable.txt ${resources}/strings/stringtable-windows.txt
                 ${dialog_scripts})
endfunction()
