# pluvo_english_texts(TS_FILE OUTPUT): writes OUTPUT, a C++ source defining
# Translation::englishTexts(), every source text of the Qt translation TS_FILE with its English
# translation, so that the Win32 settings show the same English as the Qt ones from one file.
function(pluvo_english_texts ts_file output)
    file(READ ${ts_file} content)
    # Lists split at semicolons, which the texts may hold: they travel as a placeholder.
    string(REPLACE ";" "<semicolon>" content "${content}")
    string(REPLACE "\r" "" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set(entries "")
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "<translation>(.*)</translation>" AND NOT source STREQUAL "")
            set(translation "${CMAKE_MATCH_1}")
            # The entities end in semicolons: those come back first.
            foreach(text source translation)
                string(REPLACE "<semicolon>" ";" ${text} "${${text}}")
                string(REPLACE "&lt;" "<" ${text} "${${text}}")
                string(REPLACE "&gt;" ">" ${text} "${${text}}")
                string(REPLACE "&quot;" "\"" ${text} "${${text}}")
                string(REPLACE "&apos;" "'" ${text} "${${text}}")
                string(REPLACE "&amp;" "&" ${text} "${${text}}")
            endforeach()
            string(APPEND entries "    {R\"text(${source})text\", R\"text(${translation})text\"},\n")
            set(source "")
        endif()
    endforeach()
    file(WRITE ${output}.new "// Made by cmake/EnglishTexts.cmake from ${ts_file}.
#include \"backends/user32/settings/Translation.h\"

namespace Translation {

std::span<const TranslatedText> englishTexts() {
    static const TranslatedText texts[] = {
${entries}    };
    return texts;
}

} // namespace Translation
")
    configure_file(${output}.new ${output} COPYONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ts_file})
endfunction()
