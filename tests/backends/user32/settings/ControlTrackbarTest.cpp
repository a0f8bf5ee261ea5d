#include "ControlTestHost.h"
#include "backends/user32/settings/Trackbar.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

constexpr int sliderId = 1016;

class TrackbarTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (host.get() == nullptr) {
            GTEST_SKIP() << "no display";
        }
        label = host.addPlaceholder(1000, 10, 10, 60, 20);
        host.addPlaceholder(sliderId, 80, 10, 200, 30);
        host.addPlaceholder(1001, 10, 50, 60, 20);
    }

    ControlTestHost host;
    HWND label = nullptr;
};

TEST_F(TrackbarTest, TakesTheSettingsAndThePlaceholdersPlace) {
    HWND slider = User32::createTrackbarOver(host.get(), sliderId, {0, 100, 5, 20, 10, 40});
    EXPECT_EQ(GetDlgItem(host.get(), sliderId), slider);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), 0);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(SendMessageW(slider, TBM_GETLINESIZE, 0, 0), 5);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPAGESIZE, 0, 0), 20);
    EXPECT_EQ(User32::trackbarPosition(slider), 40);
    // Both ends and every tenth position in between.
    EXPECT_EQ(SendMessageW(slider, TBM_GETNUMTICS, 0, 0), 11);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(slider, GWL_STYLE));
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_FALSE(style & TBS_VERT);
    RECT area{};
    GetWindowRect(slider, &area);
    MapWindowPoints(nullptr, host.get(), reinterpret_cast<POINT*>(&area), 2);
    EXPECT_EQ(area.left, 80);
    EXPECT_EQ(area.right, 280);
    // In the placeholder's place in the tab order: right after the label before it.
    EXPECT_EQ(GetWindow(label, GW_HWNDNEXT), slider);
}

TEST_F(TrackbarTest, WithoutTickStepThereAreNoTicksAndVerticalOnesStandUp) {
    HWND slider = User32::createTrackbarOver(host.get(), sliderId, {-10, 10, 1, 4, 0, -3}, true);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(slider, GWL_STYLE));
    EXPECT_TRUE(style & TBS_NOTICKS);
    EXPECT_TRUE(style & TBS_VERT);
    EXPECT_EQ(User32::trackbarPosition(slider), -3);
}

} // namespace
