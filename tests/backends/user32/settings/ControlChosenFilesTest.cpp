#include "backends/user32/settings/ChosenFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using User32::chosenFiles;

TEST(ChosenFilesTest, OneFileIsItsFullPathAndSeveralAreJoinedToTheirFolder) {
    EXPECT_THAT(chosenFiles(L"C:\\Pictures\\sea.jpg\0\0"), ElementsAre("C:\\Pictures\\sea.jpg"));
    EXPECT_THAT(chosenFiles(L"C:\\Pictures\0sea.jpg\0雨.bmp\0\0"),
                ElementsAre("C:\\Pictures\\sea.jpg", "C:\\Pictures\\雨.bmp"));
    // A drive's root already ends in a backslash.
    EXPECT_THAT(chosenFiles(L"D:\\\0a.jpg\0b.jpg\0\0"), ElementsAre("D:\\a.jpg", "D:\\b.jpg"));
    EXPECT_TRUE(chosenFiles(L"\0\0").empty());
}

} // namespace
