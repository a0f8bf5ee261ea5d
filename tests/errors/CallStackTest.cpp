#include "errors/CallStack.h"

#include "errors/DiagnosticText.h"
#include "errors/GuardedPage.h"
#include "errors/VerboseError.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

bool innermostStackWasConsistent = false;

// A real call chain; noipa keeps each function a frame of its own, and the work after each call
// keeps the compiler from turning the call into a jump.
__attribute__((noipa)) VerboseError raiseInnermost(int framesToSkip) {
    VerboseError error("chain", framesToSkip);
    // The constructor's own frame has returned and its slot is reused by the check itself.
    innermostStackWasConsistent = wordsSitAboveTheirReturnAddress(error.details(), 1);
    return error;
}

__attribute__((noipa)) VerboseError raiseInMiddle(int framesToSkip) {
    VerboseError error = raiseInnermost(framesToSkip);
    asm volatile("" ::: "memory");
    return error;
}

__attribute__((noipa)) VerboseError raiseOutermost(int framesToSkip) {
    VerboseError error = raiseInMiddle(framesToSkip);
    asm volatile("" ::: "memory");
    return error;
}

// The chain's functions in order of their return addresses' expected appearance.
std::vector<uintptr_t> chainFunctions() {
    return {reinterpret_cast<uintptr_t>(&raiseInnermost),
            reinterpret_cast<uintptr_t>(&raiseInMiddle),
            reinterpret_cast<uintptr_t>(&raiseOutermost)};
}

// Whether a return address lies in the given function: after its start, with no other
// function of the chain starting in between.
bool liesIn(uintptr_t returnAddress, uintptr_t function) {
    bool inside = returnAddress > function && returnAddress - function < 4096;
    for (const uintptr_t other : chainFunctions()) {
        inside = inside && !(other > function && other < returnAddress);
    }
    return inside;
}

// A frame as the frame-pointer chain lays it out: the caller's frame, the return address, then
// the eight words the report shows.
void layFrame(GuardedPage& page, std::size_t offset, uintptr_t callerFrame, uintptr_t returnTo) {
    page.word(offset) = callerFrame;
    page.word(offset + wordBytes) = returnTo;
    for (std::size_t i = 0; i < 8; ++i) {
        page.word(offset + (2 + i) * wordBytes) = offset * 0x100 + i;
    }
}

uintptr_t codeAddress(std::size_t offset) {
    return chainFunctions()[0] + offset;
}

} // namespace

TEST(CallStackTextTest, ListsOneLinePerFrameOfAnIntactChain) {
    GuardedPage page;
    const uintptr_t base = page.readable();
    layFrame(page, 0x100, base + 0x200, codeAddress(1));
    layFrame(page, 0x200, base + 0x300, codeAddress(2));
    layFrame(page, 0x300, 0, codeAddress(3)); // outermost: its caller is not above it

    const std::string text = callStackText(base + 0x100);

    EXPECT_EQ(returnAddresses(text), (std::vector<uintptr_t>{codeAddress(1), codeAddress(2)}));
    const std::vector<std::string> lines = reportLines(text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], hexWordText(base + 0x100 + 2 * wordBytes) + ": " + hexWordText(0x10000) +
                            " " + hexWordText(0x10001) + " " + hexWordText(0x10002) + " " +
                            hexWordText(0x10003));
    EXPECT_TRUE(std::regex_match(
        lines[2], std::regex("->" + hexWordText(codeAddress(1)) + "  [0-9A-F]{4}:[0-9A-F]{" +
                             std::to_string(wordDigits) + "} errors_tests(\\.exe)?")))
        << lines[2];
}

TEST(CallStackTextTest, BogusFramePointersEndTheWalkWithoutFault) {
    GuardedPage page;
    const uintptr_t base = page.readable();
    const std::size_t lastWord = page.unreadable() - base - wordBytes;
    layFrame(page, 0x100, base + 0x100, codeAddress(1)); // points at itself
    layFrame(page, 0x200, base + 0x300, 0x1234);         // returns outside every module
    layFrame(page, 0x300, base + lastWord, codeAddress(3));
    page.word(lastWord) = page.unreadable() + 64; // its return address lies beyond the page

    for (const uintptr_t frame : {uintptr_t{0}, uintptr_t{0x10}, base + 0x102, page.unreadable(),
                                  ~uintptr_t{7}, base + 0x100, base + 0x200}) {
        EXPECT_EQ(callStackText(frame), "") << std::hex << frame;
    }
    EXPECT_EQ(returnAddresses(callStackText(base + 0x300)),
              (std::vector<uintptr_t>{codeAddress(3)}));
}

TEST(CallStackTextTest, ArgumentWordsCutShortStillEndTheirLine) {
    GuardedPage page;
    const uintptr_t base = page.readable();
    // Room for the frame's two words and four of the eight that follow.
    const std::size_t frame = page.unreadable() - base - 6 * wordBytes;
    layFrame(page, 0x100, base + frame, codeAddress(1));
    page.word(frame) = page.unreadable() + 64;
    page.word(frame + wordBytes) = codeAddress(2);

    const std::vector<std::string> lines = reportLines(callStackText(base + 0x100));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3].size(), wordDigits + 2 + 4 * (wordDigits + 1) - 1);
    EXPECT_EQ(lines[4].substr(0, 2 + wordDigits), "->" + hexWordText(codeAddress(2)));
}

TEST(VerboseErrorCallStackTest, StartsAtTheReturnAddressIntoTheRaisingFunction) {
    const std::vector<uintptr_t> frames = returnAddresses(raiseOutermost(0).details());
    ASSERT_GE(frames.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(liesIn(frames[i], chainFunctions()[i])) << i;
    }
    EXPECT_TRUE(innermostStackWasConsistent);

    const std::vector<uintptr_t> skipped = returnAddresses(raiseOutermost(1).details());
    ASSERT_GE(skipped.size(), 3u);
    EXPECT_TRUE(liesIn(skipped[0], chainFunctions()[1]));
    EXPECT_EQ(raiseOutermost(1000).details(), "");
}

TEST(VerboseErrorCallStackTest, EveryFrameLineFollowsTwoLinesOfWords) {
    const std::vector<std::string> lines = reportLines(raiseOutermost(0).details());
    const std::string word = "[0-9A-F]{" + std::to_string(wordDigits) + "}";
    const std::regex words(word + ": (" + word + " ){3}" + word);
    const std::regex frame("->" + word + "  [0-9A-F]{4}:" + word + " .+");
    ASSERT_GE(lines.size(), 3u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], i % 3 == 2 ? frame : words)) << lines[i];
    }
}
