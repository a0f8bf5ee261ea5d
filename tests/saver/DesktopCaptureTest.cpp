#include "saver/DesktopCapture.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(DesktopCaptureTest, WithoutAnXDisplayThereIsNothingToCapture) {
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("DISPLAY", ":4711", 1); // no server there
    EXPECT_FALSE(captureDesktop().has_value());
    if (saved != nullptr) {
        ::setenv("DISPLAY", previous.c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
}

TEST(DesktopCaptureTest, BuiltInBackgroundFillsThePicture) {
    const Graphics::Bitmap picture = builtInBackground(64, 48);
    EXPECT_EQ(picture.width(), 64);
    EXPECT_EQ(picture.height(), 48);
    // Darker toward the bottom, like an evening sky.
    EXPECT_GT(picture.row(0)[0], picture.row(47)[0]);
}
