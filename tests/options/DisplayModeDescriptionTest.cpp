#include "options/DirectXDisplayModeDescription.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayModeDescription, CaptionNamesSizeColourClassDepthAndRate) {
    EXPECT_EQ(DirectXDisplayModeDescription(32, 1024, 768, 0).text(),
              "1024x768 True Color (32 bit)");
    EXPECT_EQ(DirectXDisplayModeDescription(24, 1280, 1024, 0).text(),
              "1280x1024 True Color (24 bit)");
    EXPECT_EQ(DirectXDisplayModeDescription(16, 800, 600, 85).text(),
              "800x600 High Color (16 bit, 85 Hz)");
    EXPECT_EQ(DirectXDisplayModeDescription(8, 640, 480, 0).text(), "640x480 256 Colors (8 bit)");
    // A depth without a name leaves two blanks.
    EXPECT_EQ(DirectXDisplayModeDescription(15, 640, 480, 0).text(), "640x480  (15 bit)");
}

} // namespace
