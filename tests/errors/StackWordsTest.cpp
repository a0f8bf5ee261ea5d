#include "errors/StackWords.h"

#include "errors/DiagnosticText.h"
#include "errors/GuardedPage.h"

#include <array>
#include <gtest/gtest.h>

namespace {

std::string expectedLine(uintptr_t address, const uint64_t* words) {
    return hex16(address) + ": " + hex16(words[0]) + " " + hex16(words[1]) + " " + hex16(words[2]) +
           " " + hex16(words[3]) + "\r\n";
}

} // namespace

TEST(StackWordsTextTest, SixteenWordsMakeFourLinesOfFour) {
    std::array<uint64_t, 16> words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = 0xA5A5000000000000ull + i * 0x0101;
    }
    const auto start = reinterpret_cast<uintptr_t>(words.data());
    std::string expected;
    for (std::size_t line = 0; line < 4; ++line) {
        expected += expectedLine(start + line * 32, &words[line * 4]);
    }
    EXPECT_EQ(stackWordsText(start, 16), expected);
}

TEST(StackWordsTextTest, StopsAtTheFirstUnreadableWord) {
    GuardedPage page;
    const uintptr_t twoBeforeEnd = page.unreadable() - 16;
    page.word(page.unreadable() - page.readable() - 16) = 0x1122334455667788ull;
    page.word(page.unreadable() - page.readable() - 8) = 0xFEDCBA9876543210ull;

    // A line cut short keeps the blank after its last word, as any unfinished line does.
    EXPECT_EQ(stackWordsText(twoBeforeEnd, 16),
              hex16(twoBeforeEnd) + ": 1122334455667788 FEDCBA9876543210 ");
    EXPECT_EQ(stackWordsText(page.unreadable(), 16), "");
    EXPECT_EQ(stackWordsText(page.unreadable() - 4, 1), "");
}
