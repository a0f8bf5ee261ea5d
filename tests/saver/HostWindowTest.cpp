#include "saver/HostWindow.h"

#include "display/DX5Error.h"
#include "saver/MonitorLayout.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

namespace {

// Points DISPLAY at a server that is not there while it lives.
class NoXServer {
public:
    NoXServer() : saved_(std::getenv("DISPLAY")) {
        if (saved_ != nullptr) {
            previous_ = saved_;
        }
        ::setenv("DISPLAY", ":4711", 1);
    }
    ~NoXServer() {
        if (saved_ != nullptr) {
            ::setenv("DISPLAY", previous_.c_str(), 1);
        } else {
            ::unsetenv("DISPLAY");
        }
    }

private:
    const char* saved_;
    std::string previous_;
};

// Started by a daemon on a display that cannot be reached, the saver says which display it
// tried (an error of the graphics layer, so the program ends with status 1).
TEST(HostWindowTest, WithoutAnXServerTheDisplayIsNamed) {
    const NoXServer none;
    try {
        HostWindow::checked(0x400001);
        FAIL() << "no error";
    } catch (const DX5::NoDirectX5Error& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("\":4711\""));
    }
    EXPECT_FALSE(HostWindow::desktopUnder(0x400001).has_value());
}

// Without a server there are no monitors to span: the saver window stays as it was.
TEST(HostWindowTest, WithoutAnXServerThereAreNoMonitorBounds) {
    const NoXServer none;
    const MonitorRect bounds = MonitorLayout::ofXServer().bounds();
    EXPECT_EQ(bounds.width, 0);
    EXPECT_EQ(bounds.height, 0);
}

} // namespace
