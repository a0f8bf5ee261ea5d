#include "backends/x11/DesktopCapture.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(DesktopCaptureTest, WithoutAnXDisplayThereIsNothingToCapture) {
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("DISPLAY", ":4711", 1); // no server there
    EXPECT_FALSE(X11::captureDesktop().has_value());
    if (saved != nullptr) {
        ::setenv("DISPLAY", previous.c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
}
