#include "errors/StackWords.h"

#include "errors/DiagnosticText.h"
#include "errors/GuardedPage.h"

#include <array>
#include <gtest/gtest.h>

namespace {

std::string expectedLine(uintptr_t address, const uintptr_t* words) {
    return hexWordText(address) + ": " + hexWordText(words[0]) + " " + hexWordText(words[1]) + " " +
           hexWordText(words[2]) + " " + hexWordText(words[3]) + "\r\n";
}

} // namespace

TEST(StackWordsTextTest, SixteenWordsMakeFourLinesOfFour) {
    std::array<uintptr_t, 16> words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = (~uintptr_t{0} / 0xFF * 0xA5) + i * 0x0101;
    }
    const auto start = reinterpret_cast<uintptr_t>(words.data());
    std::string expected;
    for (std::size_t line = 0; line < 4; ++line) {
        expected += expectedLine(start + line * 4 * wordBytes, &words[line * 4]);
    }
    EXPECT_EQ(stackWordsText(start, 16), expected);
}

TEST(StackWordsTextTest, StopsAtTheFirstUnreadableWord) {
    GuardedPage page;
    const uintptr_t twoBeforeEnd = page.unreadable() - 2 * wordBytes;
    page.word(twoBeforeEnd - page.readable()) = 0x11223344;
    page.word(twoBeforeEnd + wordBytes - page.readable()) = 0xFEDCBA98;

    // A line cut short keeps the blank after its last word, as any unfinished line does.
    EXPECT_EQ(stackWordsText(twoBeforeEnd, 16), hexWordText(twoBeforeEnd) + ": " +
                                                    hexWordText(0x11223344) + " " +
                                                    hexWordText(0xFEDCBA98) + " ");
    EXPECT_EQ(stackWordsText(page.unreadable(), 16), "");
    EXPECT_EQ(stackWordsText(page.unreadable() - wordBytes / 2, 1), ""); // straddles the end
}
