#include "backends/user32/settings/Translation.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

// The texts are made from the Qt translation when the program is built; what the XML escapes
// must come out as the dialogs hold it.
TEST(TranslationTest, TheTextsComeFromTheTranslationWithTheirMarkupUndone) {
    std::set<std::string> sources;
    bool foundMnemonic = false;
    for (const Translation::TranslatedText& text : Translation::englishTexts()) {
        EXPECT_NE(std::string(text.source), "");
        EXPECT_NE(std::string(text.english), "");
        sources.insert(text.source);
        if (std::string(text.source) == "稠密(&D):") {
            EXPECT_STREQ(text.english, "&Density:");
            foundMnemonic = true;
        }
        EXPECT_EQ(std::string(text.source).find("&amp;"), std::string::npos) << text.source;
    }
    EXPECT_TRUE(foundMnemonic);
    EXPECT_GT(sources.size(), 80u);
}

// The tests run with Wine's English interface, as a user with any language but Chinese.
TEST(TranslationTest, AUserWhoReadsEnglishGetsEveryTextOfADialogInEnglish) {
    ASSERT_TRUE(Translation::usesEnglish());
    EXPECT_EQ(Translation::forUser("确定"), "OK");
    EXPECT_EQ(Translation::forUser("no such text"), "no such text");

    HWND window = CreateWindowExW(0, L"STATIC", L"定期重置屏幕", WS_POPUP, 0, 0, 100, 20, nullptr,
                                  nullptr, nullptr, nullptr);
    HWND child = CreateWindowExW(0, L"BUTTON", L"开启(&E)", WS_CHILD, 0, 0, 50, 20, window, nullptr,
                                 nullptr, nullptr);
    Translation::translateDialog(window);
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    EXPECT_STREQ(text, L"Reset the screen periodically");
    GetWindowTextW(child, text, 64);
    EXPECT_STREQ(text, L"&Enabled");
    DestroyWindow(window);
}

} // namespace
