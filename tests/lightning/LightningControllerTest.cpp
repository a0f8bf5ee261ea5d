#include "lightning/LightningController.h"

#include "LightningFakes.h"
#include "lightning/BoltColour.h"
#include "platform/Rand15.h"

#include <deque>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

constexpr AreaRect area{0, 600, 800, 0};

// The controller on a clock and random draws the test sets, making simple bolts entering at
// entryX.
class ScriptedController : public LightningController {
public:
    ScriptedController(const IDropSystem& drops, const ILightningOptions& options)
        : LightningController(area, drops, options) {}

    uint32_t now() override { return clock; }
    float random01() override {
        if (draws.empty()) {
            return fallbackDraw;
        }
        const float draw = draws.front();
        draws.pop_front();
        return draw;
    }
    std::unique_ptr<ILightning> createLightning() override {
        ++created;
        return boltThrough({{{entryX, 0.0f}, {entryX, 20.0f}}});
    }

    uint32_t clock = 1000;
    std::deque<float> draws;
    float fallbackDraw = 0.5f;
    int created = 0;
    float entryX = 200.0f;
};

struct RecordingView : ILightningView {
    void setLightning(ILightning* bolt) override { bolts.push_back(bolt); }
    ILightning* lightning() const override { return bolts.empty() ? nullptr : bolts.back(); }
    std::span<const Pixels::PixelRect> draw() override { return {}; }
    std::span<const Pixels::PixelRect> restore() override { return {}; }
    void createFlash() override {}

    std::vector<ILightning*> bolts;
};

struct RecordingSound : ILightningSoundManager {
    void playThunder(float pan) override { pans.push_back(pan); }
    std::vector<float> pans;
};

class LightningControllerTest : public ::testing::Test {
protected:
    LightningControllerTest() {
        controller.setView(&view);
        controller.setSoundManager(&sound);
    }

    ILightning& bolt() { return *controller.lightning(); }

    // Runs frames until the display starts (at most a minute of 10 ms frames); returns its start.
    uint32_t runUntilDisplay() {
        for (int frame = 0; frame < 6000; ++frame) {
            controller.update();
            if (bolt().isBoltVisible()) {
                return controller.clock;
            }
            controller.clock += 10;
        }
        ADD_FAILURE() << "no display started";
        return controller.clock;
    }

    FakeLightningOptions options;
    FakeDropSystem drops;
    RecordingView view;
    RecordingSound sound;
    ScriptedController controller{drops, options};
};

TEST_F(LightningControllerTest, ViewGetsTheFirstBoltWhenSetAndEveryNewOneAfterwards) {
    ASSERT_FALSE(view.bolts.empty());
    EXPECT_EQ(view.bolts.back(), controller.lightning());
    EXPECT_FALSE(bolt().isBoltVisible());
    EXPECT_FALSE(bolt().isFlashOn());
    const std::size_t told = view.bolts.size();
    runUntilDisplay();
    ASSERT_EQ(view.bolts.size(), told + 1);
    EXPECT_EQ(view.bolts.back(), controller.lightning());
    EXPECT_EQ(controller.created, 2);
}

TEST_F(LightningControllerTest, WaitIsUniformBetweenShortestAndLongestInterval) {
    options.minimum = 2;
    options.spread = 4;
    controller.draws = {0.25f};
    controller.update(); // the wait starts at 1000 and lasts 2 + 0.25 x 4 seconds
    controller.clock = 3999;
    controller.update();
    EXPECT_FALSE(bolt().isBoltVisible());
    controller.clock = 4000;
    controller.update();
    EXPECT_TRUE(bolt().isBoltVisible());
}

TEST_F(LightningControllerTest, DisplayFlickersLightsTheFlashBrieflyAndThundersOnce) {
    controller.update();
    controller.clock = 6000;
    // duration 0.5 -> 500 ms; toggle 0.5 -> 500 x 0.2 x 0.5 / 2 = 25 ms; flash 0.5 -> 100 ms.
    controller.draws = {0.5f, 0.5f, 0.5f};
    controller.update();
    ASSERT_TRUE(bolt().isBoltVisible());
    EXPECT_TRUE(bolt().isFlashOn());
    ASSERT_EQ(sound.pans.size(), 1u);
    EXPECT_FLOAT_EQ(sound.pans[0], 200.0f / 800.0f * 2.0f - 1.0f);

    controller.fallbackDraw = 0.5f;
    const auto at = [&](uint32_t offset) {
        controller.clock = 6000 + offset;
        controller.update();
    };
    at(24);
    EXPECT_TRUE(bolt().isBoltVisible());
    at(25);
    EXPECT_FALSE(bolt().isBoltVisible());
    EXPECT_TRUE(bolt().isFlashOn());
    at(49);
    EXPECT_FALSE(bolt().isBoltVisible());
    at(50);
    EXPECT_TRUE(bolt().isBoltVisible());
    at(99);
    EXPECT_TRUE(bolt().isFlashOn());
    at(100);
    EXPECT_FALSE(bolt().isFlashOn());
    at(499);
    EXPECT_EQ(controller.created, 2);
    at(500);
    EXPECT_FALSE(bolt().isBoltVisible());
    EXPECT_FALSE(bolt().isFlashOn());
    EXPECT_EQ(sound.pans.size(), 1u);

    // The next wait starts when the display ends; the old bolt stays current until then.
    at(500 + 4999);
    EXPECT_EQ(controller.created, 2);
    EXPECT_FALSE(bolt().isBoltVisible());
    at(500 + 5000);
    EXPECT_EQ(controller.created, 3);
    EXPECT_TRUE(bolt().isBoltVisible());
    EXPECT_EQ(sound.pans.size(), 2u);
}

TEST_F(LightningControllerTest, ClockJumpingPastTheEndEndsTheDisplayAtOnce) {
    controller.update();
    controller.clock = 6000;
    controller.draws = {0.0f, 0.0f, 1.0f}; // 250 ms, toggling every frame, flash 150 ms
    controller.update();
    controller.clock += 10000;
    controller.update();
    EXPECT_FALSE(bolt().isBoltVisible());
    EXPECT_FALSE(bolt().isFlashOn());
    controller.clock += 4999;
    controller.update();
    EXPECT_FALSE(bolt().isBoltVisible());
}

TEST_F(LightningControllerTest, TogglePeriodOfZeroInvertsTheBoltOnEveryFrame) {
    controller.update();
    controller.clock = 6000;
    controller.draws = {1.0f, 0.0f, 0.0f};
    controller.fallbackDraw = 0.0f;
    controller.update();
    std::vector<bool> seen;
    for (int frame = 0; frame < 4; ++frame) {
        controller.clock += 1;
        controller.update();
        seen.push_back(bolt().isBoltVisible());
    }
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
}

TEST_F(LightningControllerTest, NoBoltWhileTheRainIsStillRampingUp) {
    drops.elapsed = 3.0f;
    controller.update();
    controller.clock = 60000;
    controller.update();
    EXPECT_FALSE(bolt().isBoltVisible());
    EXPECT_EQ(controller.created, 1);
    drops.elapsed = 10.0f;
    controller.clock += 10;
    controller.update();
    EXPECT_TRUE(bolt().isBoltVisible());
}

TEST_F(LightningControllerTest, WaitsAcrossTheClockWrap) {
    for (const uint32_t start : {0x7FFFF000u, 0xFFFFF000u}) {
        ScriptedController wrapping(drops, options);
        wrapping.clock = start;
        wrapping.update();
        wrapping.clock = start + 4999;
        wrapping.update();
        EXPECT_FALSE(wrapping.lightning()->isBoltVisible()) << start;
        wrapping.clock = start + 5000;
        wrapping.update();
        EXPECT_TRUE(wrapping.lightning()->isBoltVisible()) << start;
    }
}

TEST_F(LightningControllerTest, ThunderPanFollowsTheBoltsEntryPoint) {
    for (const auto& [x, pan] : {std::pair{0.0f, -1.0f}, {400.0f, 0.0f}, {799.0f, 0.9975f}}) {
        controller.entryX = x;
        controller.regenerate();
        sound.pans.clear();
        controller.playThunder();
        ASSERT_EQ(sound.pans.size(), 1u);
        EXPECT_FLOAT_EQ(sound.pans[0], pan) << x;
    }
}

TEST(LightningControllerAreaTest, EmptyAreaIsRefused) {
    FakeLightningOptions options;
    FakeDropSystem drops;
    EXPECT_THROW(LightningController(AreaRect{0, 600, 0, 0}, drops, options),
                 std::invalid_argument);
}

// The real bolt factory, on scripted rand15 draws.
class BoltFactoryTest : public ::testing::Test {
protected:
    void TearDown() override { overrideRand15({}); }

    static void script(std::vector<int32_t> first, int32_t rest) {
        overrideRand15([first, rest, index = std::size_t{0}]() mutable {
            return index < first.size() ? first[index++] : rest;
        });
    }

    FakeLightningOptions options;
    FakeDropSystem drops;
};

TEST_F(BoltFactoryTest, BoltEntersAtTheDrawnColumnOfTheTopRowAndReachesTheBottom) {
    options.bolt = 0x00123456;
    script({234 + 800 * 3}, 16383);
    LightningController controller(area, drops, options);
    const auto bolt = controller.createLightning();
    EXPECT_EQ(bolt->origin(), (PointF{234.0f, 0.0f}));
    EXPECT_EQ(bolt->colour(), 0x00123456u);
    float lowest = 0.0f;
    for (const auto& segment : bolt->branches().at(0)->segments()) {
        lowest = std::max(lowest, segment->end().y);
    }
    EXPECT_GE(lowest, 600.0f);
}

TEST_F(BoltFactoryTest, RandomColourTakesTheNextDraw) {
    options.random = 1;
    script({10, 4 * 2}, 16383); // index (8 mod 24) / 4 = 2: hue 188
    LightningController controller(area, drops, options);
    EXPECT_EQ(controller.createLightning()->colour(), hsvToColour(188.0f, 0.5f, 1.0f));
}

TEST(BoltColourTest, SixPaleColoursByDraw) {
    const std::vector<uint32_t> expected = {
        127u << 16 | 127u << 8 | 255u, 252u << 16 | 127u << 8 | 255u,
        255u << 16 | 237u << 8 | 127u, 242u << 16 | 255u << 8 | 127u,
        127u << 16 | 255u << 8 | 172u, 127u << 16 | 255u << 8 | 252u};
    for (int32_t draw = 0; draw < 48; ++draw) {
        overrideRand15([draw] { return draw; });
        EXPECT_EQ(randomBoltColour(), expected[static_cast<std::size_t>((draw % 24) / 4)]) << draw;
    }
    overrideRand15({});
}

TEST(BoltColourTest, GreyWithoutSaturationAndFullCircleIsRed) {
    EXPECT_EQ(hsvToColour(123.0f, 0.0f, 0.5f), 0x007F7F7Fu);
    EXPECT_EQ(hsvToColour(360.0f, 1.0f, 1.0f), hsvToColour(0.0f, 1.0f, 1.0f));
    EXPECT_EQ(hsvToColour(0.0f, 1.0f, 1.0f), 0x000000FFu);
    EXPECT_EQ(hsvToColour(240.0f, 1.0f, 1.0f), 0x00FF0000u);
}

} // namespace
