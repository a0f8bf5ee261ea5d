#include "backends/user32/settings/Translation.h"

#include "backends/win32/WideText.h"

#include <vector>

namespace Translation {

namespace {

std::string textOf(HWND window) {
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return Win32::narrow(text.data());
}

void translateWindow(HWND window) {
    const std::string text = textOf(window);
    if (text.empty()) {
        return;
    }
    const std::string translated = forUser(text);
    if (translated != text) {
        SetWindowTextW(window, Win32::wide(translated).c_str());
    }
}

BOOL CALLBACK translateChild(HWND child, LPARAM) {
    translateWindow(child);
    return TRUE;
}

} // namespace

bool usesEnglish() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) != LANG_CHINESE;
}

std::string forUser(const std::string& text) {
    if (!usesEnglish()) {
        return text;
    }
    for (const TranslatedText& entry : englishTexts()) {
        if (text == entry.source) {
            return entry.english;
        }
    }
    return text;
}

void translateDialog(HWND dialog) {
    translateWindow(dialog);
    EnumChildWindows(dialog, translateChild, 0);
}

} // namespace Translation
