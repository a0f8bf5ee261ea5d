#pragma once

#include <span>
#include <string>
#include <windows.h>

// The settings are designed in Chinese; a user whose interface language is another sees them in
// English. The English comes from the same translation the Qt settings use.
namespace Translation {

struct TranslatedText {
    const char* source;
    const char* english;
};

// Every text of the translation, made from it when the program is built.
std::span<const TranslatedText> englishTexts();

// Whether the user's interface language asks for the English texts.
bool usesEnglish();
// The text as the user reads it: its English translation, or the text itself where Chinese is
// wanted or there is no translation.
std::string forUser(const std::string& text);
// Puts every text of the dialog and of its controls into the user's language.
void translateDialog(HWND dialog);

} // namespace Translation
