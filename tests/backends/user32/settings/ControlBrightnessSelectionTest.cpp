#include "ControlTestHost.h"
#include "backends/user32/settings/BrightnessSelectionControl.h"

#include <gtest/gtest.h>

namespace {

using User32::BrightnessSelectionControl;

constexpr int stripId = 1055;

// A strip of 200 x 30 pixels: its gradient runs over columns 8 to 191 and rows 0 to 20.
class BrightnessSelectionControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (host.get() == nullptr) {
            GTEST_SKIP() << "no display";
        }
        host.addPlaceholder(stripId, 10, 10, 200, 30);
        strip = &BrightnessSelectionControl::createOver(host.get(), stripId);
    }

    void send(UINT message, WPARAM wParam, int x) const {
        SendMessageW(strip->window(), message, wParam, at(x, 5));
    }

    ControlTestHost host;
    BrightnessSelectionControl* strip = nullptr;
};

TEST_F(BrightnessSelectionControlTest, DraggingPastEitherEndGivesTheEndsValue) {
    strip->setValue(60);
    host.commands.clear();
    send(WM_LBUTTONDOWN, MK_LBUTTON, 100);
    send(WM_MOUSEMOVE, MK_LBUTTON, -50);
    EXPECT_EQ(strip->value(), 0);
    send(WM_MOUSEMOVE, MK_LBUTTON, 400);
    EXPECT_EQ(strip->value(), 255);
    // Halfway along the 184 columns: rnd(127.5).
    send(WM_MOUSEMOVE, MK_LBUTTON, 100);
    EXPECT_EQ(strip->value(), 128);
    send(WM_LBUTTONUP, 0, 100);
    EXPECT_EQ(host.commands, std::vector<int>(3, stripId));
}

TEST_F(BrightnessSelectionControlTest, ThePressAloneChangesNothingAndReleaseOrEscEndsTracking) {
    strip->setValue(40);
    send(WM_LBUTTONDOWN, MK_LBUTTON, 150);
    EXPECT_EQ(strip->value(), 40);
    send(WM_MOUSEMOVE, MK_LBUTTON, 8);
    send(WM_LBUTTONUP, 0, 8);
    send(WM_MOUSEMOVE, 0, 150);
    EXPECT_EQ(strip->value(), 0);

    send(WM_LBUTTONDOWN, MK_LBUTTON, 150);
    send(WM_MOUSEMOVE, MK_LBUTTON, 192);
    EXPECT_EQ(SendMessageW(strip->window(), WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    SendMessageW(strip->window(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_NE(GetCapture(), strip->window());
    send(WM_MOUSEMOVE, MK_LBUTTON, 8);
    EXPECT_EQ(strip->value(), 255);
}

TEST_F(BrightnessSelectionControlTest, ArrowKeysStepByOneAndStopAtTheEnds) {
    strip->setValue(254);
    SendMessageW(strip->window(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(strip->window(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(strip->value(), 255);
    strip->setValue(0);
    SendMessageW(strip->window(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(strip->value(), 0);
}

TEST_F(BrightnessSelectionControlTest, TheGradientRunsFromBlackToWhiteInsideABlackFrame) {
    EXPECT_EQ(paintedPixel(strip->window(), 8, 5), RGB(0, 0, 0));
    EXPECT_EQ(paintedPixel(strip->window(), 100, 5), RGB(128, 128, 128));
    EXPECT_EQ(paintedPixel(strip->window(), 191, 5), RGB(254, 254, 254));
    EXPECT_EQ(paintedPixel(strip->window(), 192, 5), RGB(0, 0, 0)); // the frame
    EXPECT_EQ(paintedPixel(strip->window(), 196, 5), GetSysColor(COLOR_BTNFACE));
}

} // namespace
