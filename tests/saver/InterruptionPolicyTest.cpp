#include "saver/InterruptionPolicy.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t f4Key = 0x4000003D;
constexpr int32_t spaceKey = ' ';
constexpr int32_t altKey = 0x400000E2;

class InterruptionPolicyTest : public ::testing::Test {
protected:
    InterruptionPolicy policy(int32_t mode) { return InterruptionPolicy(mode, reference); }

    MouseReference reference;
};

} // namespace

TEST_F(InterruptionPolicyTest, MouseToleranceCountsFromTheFirstPositionSeen) {
    auto mode0 = policy(0);
    EXPECT_FALSE(mode0.endsSaver(InputEvent::mouseMove(500, 400), false));
    EXPECT_TRUE(reference.isRecorded());
    EXPECT_FALSE(mode0.endsSaver(InputEvent::mouseMove(502, 402), false));
    EXPECT_FALSE(mode0.endsSaver(InputEvent::mouseMove(498, 398), false));
    // A drift in small steps still ends it: the reference never follows the mouse.
    EXPECT_FALSE(mode0.endsSaver(InputEvent::mouseMove(501, 400), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::mouseMove(503, 400), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::mouseMove(500, 397), false));
    EXPECT_EQ(reference.x(), 500);
    EXPECT_EQ(reference.y(), 400);
}

TEST_F(InterruptionPolicyTest, TheFirstMoveNeverEndsTheSaverEvenFarAway) {
    EXPECT_FALSE(policy(0).endsSaver(InputEvent::mouseMove(4000, -3000), false));
}

TEST_F(InterruptionPolicyTest, TheReferenceIsSharedByAllWindowsOfTheProcess) {
    EXPECT_FALSE(policy(0).endsSaver(InputEvent::mouseMove(10, 10), false));
    EXPECT_TRUE(policy(0).endsSaver(InputEvent::mouseMove(20, 10), false));
}

TEST_F(InterruptionPolicyTest, ModeZeroEndsOnAnyMouseOrKeyboardInput) {
    auto mode0 = policy(0);
    EXPECT_TRUE(mode0.endsSaver(InputEvent::buttonDown(InputEvent::Button::Left), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::buttonDown(InputEvent::Button::Right), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::buttonDown(InputEvent::Button::Middle), false));
    EXPECT_FALSE(mode0.endsSaver(InputEvent::buttonDown(InputEvent::Button::Other), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::keyDown(spaceKey), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::keyDown(InputEvent::escapeKey), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::focusLost(), false));
    EXPECT_TRUE(mode0.endsSaver(InputEvent::closeRequest(), false));
}

TEST_F(InterruptionPolicyTest, ModeOneIgnoresTheMouseButNotKeys) {
    auto mode1 = policy(1);
    EXPECT_FALSE(mode1.endsSaver(InputEvent::mouseMove(0, 0), false));
    EXPECT_FALSE(mode1.endsSaver(InputEvent::mouseMove(900, 900), false));
    EXPECT_FALSE(reference.isRecorded());
    EXPECT_FALSE(mode1.endsSaver(InputEvent::buttonDown(InputEvent::Button::Left), false));
    EXPECT_FALSE(mode1.endsSaver(InputEvent::buttonDown(InputEvent::Button::Middle), false));
    EXPECT_TRUE(mode1.endsSaver(InputEvent::keyDown(altKey), false));
    EXPECT_TRUE(mode1.endsSaver(InputEvent::keyDown(InputEvent::escapeKey), false));
    EXPECT_TRUE(mode1.endsSaver(InputEvent::focusLost(), false));
    EXPECT_TRUE(mode1.endsSaver(InputEvent::closeRequest(), false));
}

TEST_F(InterruptionPolicyTest, ModeTwoEndsOnlyOnEscapeDeactivationOrClose) {
    auto mode2 = policy(2);
    EXPECT_FALSE(mode2.endsSaver(InputEvent::mouseMove(0, 0), false));
    EXPECT_FALSE(mode2.endsSaver(InputEvent::mouseMove(900, 900), false));
    EXPECT_FALSE(mode2.endsSaver(InputEvent::buttonDown(InputEvent::Button::Left), false));
    EXPECT_FALSE(mode2.endsSaver(InputEvent::buttonDown(InputEvent::Button::Right), false));
    EXPECT_FALSE(mode2.endsSaver(InputEvent::keyDown(altKey), false));
    EXPECT_FALSE(mode2.endsSaver(InputEvent::keyDown(f4Key), false));
    EXPECT_FALSE(mode2.endsSaver(InputEvent::keyDown(spaceKey), false));
    EXPECT_TRUE(mode2.endsSaver(InputEvent::keyDown(InputEvent::escapeKey), false));
    EXPECT_TRUE(mode2.endsSaver(InputEvent::focusLost(), false));
    EXPECT_TRUE(mode2.endsSaver(InputEvent::closeRequest(), false));
}

TEST_F(InterruptionPolicyTest, LosingTheFocusWhileClosingDoesNothing) {
    for (int32_t mode = 0; mode <= 2; ++mode) {
        EXPECT_FALSE(policy(mode).endsSaver(InputEvent::focusLost(), true)) << "mode " << mode;
    }
}

TEST_F(InterruptionPolicyTest, ADesktopWindowLeavesMouseAndFocusToTheDesktop) {
    InterruptionPolicy windowed(0, reference, InterruptionPolicy::Placement::DesktopWindow);
    EXPECT_FALSE(windowed.endsSaver(InputEvent::mouseMove(0, 0), false));
    EXPECT_FALSE(windowed.endsSaver(InputEvent::mouseMove(300, 300), false));
    EXPECT_FALSE(windowed.endsSaver(InputEvent::buttonDown(InputEvent::Button::Left), false));
    EXPECT_FALSE(windowed.endsSaver(InputEvent::focusLost(), false));
    EXPECT_TRUE(windowed.endsSaver(InputEvent::keyDown(spaceKey), false));
    EXPECT_TRUE(windowed.endsSaver(InputEvent::closeRequest(), false));
}
