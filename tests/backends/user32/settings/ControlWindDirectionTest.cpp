#include "ControlTestHost.h"
#include "backends/user32/settings/WindDirectionControl.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

using User32::WindDirectionControl;

constexpr int dialId = 1015;
constexpr double lowest = 0.0872665;
constexpr double highest = 3.0543263;

// A dial of 112 x 64 pixels with the Drops page's limits: its pivot is at (56, 0).
class WindDirectionControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (host.get() == nullptr) {
            GTEST_SKIP() << "no display";
        }
        host.addPlaceholder(dialId, 10, 10, 112, 64);
        dial = &WindDirectionControl::createOver(host.get(), dialId);
        dial->setLimits(lowest, highest);
    }

    // Presses at the first point, drags through the others and releases at the last.
    void drag(std::initializer_list<POINT> points) const {
        const POINT first = *points.begin();
        SendMessageW(dial->window(), WM_LBUTTONDOWN, MK_LBUTTON, at(first.x, first.y));
        for (const POINT& point : points) {
            SendMessageW(dial->window(), WM_MOUSEMOVE, MK_LBUTTON, at(point.x, point.y));
        }
        const POINT last = *(points.end() - 1);
        SendMessageW(dial->window(), WM_LBUTTONUP, 0, at(last.x, last.y));
    }

    ControlTestHost host;
    WindDirectionControl* dial = nullptr;
};

TEST_F(WindDirectionControlTest, TakesThePlaceholdersPlaceIdAndClass) {
    HWND window = GetDlgItem(host.get(), dialId);
    ASSERT_EQ(window, dial->window());
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, L"Wind Direction Control");
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 112);
    EXPECT_EQ(client.bottom, 64);
    EXPECT_FLOAT_EQ(dial->angle(), WindDirectionControl::startAngle);
}

TEST_F(WindDirectionControlTest, PointsAboveThePivotGiveTheLimitsAndStraightBelowNinetyDegrees) {
    drag({{90, -10}});
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(highest)); // right half above
    drag({{20, -10}});
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(lowest)); // left half above
    drag({{56, 40}});
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(std::numbers::pi / 2));
    // Level with the pivot on the right: beyond the upper limit.
    drag({{100, 0}});
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(highest));
}

TEST_F(WindDirectionControlTest, APressSetsTheAngleAndOnlyMovesWhileCapturedFollow) {
    SendMessageW(dial->window(), WM_LBUTTONDOWN, MK_LBUTTON, at(56, 40));
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(std::numbers::pi / 2));
    EXPECT_EQ(GetCapture(), dial->window());
    // Down and to the left of the pivot: 45 degrees.
    SendMessageW(dial->window(), WM_MOUSEMOVE, MK_LBUTTON, at(16, 40));
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(std::numbers::pi / 4));
    SendMessageW(dial->window(), WM_LBUTTONUP, 0, at(16, 40));
    EXPECT_NE(GetCapture(), dial->window());
    SendMessageW(dial->window(), WM_MOUSEMOVE, 0, at(56, 40));
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(std::numbers::pi / 4));
}

TEST_F(WindDirectionControlTest, KeysTurnByDegreesWithinTheLimitsAndEachChangeIsTold) {
    dial->setAngle(static_cast<float>(std::numbers::pi / 2));
    host.commands.clear();
    SendMessageW(dial->window(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_NEAR(dial->angle(), std::numbers::pi / 2 + std::numbers::pi / 180, 1e-6);
    SendMessageW(dial->window(), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_NEAR(dial->angle(), std::numbers::pi / 2 - 9 * std::numbers::pi / 180, 1e-6);
    for (int step = 0; step < 20; ++step) {
        SendMessageW(dial->window(), WM_KEYDOWN, VK_PRIOR, 0);
    }
    EXPECT_FLOAT_EQ(dial->angle(), static_cast<float>(highest));
    // Held against the limit, nothing changes and nothing more is told.
    const std::size_t told = host.commands.size();
    SendMessageW(dial->window(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(host.commands.size(), told);
    EXPECT_EQ(host.commands, std::vector<int>(told, dialId));
    EXPECT_GE(told, 3u);
}

// Larger angles point down and to the right: at 135 degrees the arrow crosses (70, 14), and
// its mirror image (42, 14) stays background.
TEST_F(WindDirectionControlTest, TheArrowIsDrawnFromThePivotInTheAnglesDirection) {
    dial->setAngle(static_cast<float>(3 * std::numbers::pi / 4));
    const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(paintedPixel(dial->window(), 70, 14), ink);
    EXPECT_EQ(paintedPixel(dial->window(), 42, 14), background);
    // The pivot: radius trunc(0.07 x 112) = 7.
    EXPECT_EQ(paintedPixel(dial->window(), 51, 2), ink);
    EXPECT_EQ(paintedPixel(dial->window(), 100, 60), background);
}

} // namespace
