#include "scene/InterruptionPolicy.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t f4Key = 0x4000003D;
constexpr int32_t spaceKey = ' ';
constexpr int32_t altKey = 0x400000E2;

class InterruptionPolicyTest : public ::testing::Test {
protected:
    Scene::InterruptionPolicy policy(int32_t mode) {
        return Scene::InterruptionPolicy(mode, reference);
    }

    Scene::MouseReference reference;
};

} // namespace

TEST_F(InterruptionPolicyTest, MouseToleranceCountsFromTheFirstPositionSeen) {
    auto mode0 = policy(0);
    EXPECT_FALSE(mode0.endsSaver(Scene::InputEvent::mouseMove(500, 400), false));
    EXPECT_TRUE(reference.isRecorded());
    EXPECT_FALSE(mode0.endsSaver(Scene::InputEvent::mouseMove(502, 402), false));
    EXPECT_FALSE(mode0.endsSaver(Scene::InputEvent::mouseMove(498, 398), false));
    // A drift in small steps still ends it: the reference never follows the mouse.
    EXPECT_FALSE(mode0.endsSaver(Scene::InputEvent::mouseMove(501, 400), false));
    EXPECT_TRUE(mode0.endsSaver(Scene::InputEvent::mouseMove(503, 400), false));
    EXPECT_TRUE(mode0.endsSaver(Scene::InputEvent::mouseMove(500, 397), false));
    EXPECT_EQ(reference.x(), 500);
    EXPECT_EQ(reference.y(), 400);
}

TEST_F(InterruptionPolicyTest, TheFirstMoveNeverEndsTheSaverEvenFarAway) {
    EXPECT_FALSE(policy(0).endsSaver(Scene::InputEvent::mouseMove(4000, -3000), false));
}

TEST_F(InterruptionPolicyTest, TheReferenceIsSharedByAllWindowsOfTheProcess) {
    EXPECT_FALSE(policy(0).endsSaver(Scene::InputEvent::mouseMove(10, 10), false));
    EXPECT_TRUE(policy(0).endsSaver(Scene::InputEvent::mouseMove(20, 10), false));
}

TEST_F(InterruptionPolicyTest, ModeZeroEndsOnAnyMouseOrKeyboardInput) {
    auto mode0 = policy(0);
    EXPECT_TRUE(
        mode0.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Left), false));
    EXPECT_TRUE(
        mode0.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Right), false));
    EXPECT_TRUE(
        mode0.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Middle), false));
    EXPECT_FALSE(
        mode0.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Other), false));
    EXPECT_TRUE(mode0.endsSaver(Scene::InputEvent::keyDown(spaceKey), false));
    EXPECT_TRUE(mode0.endsSaver(Scene::InputEvent::keyDown(Scene::InputEvent::escapeKey), false));
    EXPECT_TRUE(mode0.endsSaver(Scene::InputEvent::focusLost(), false));
    EXPECT_TRUE(mode0.endsSaver(Scene::InputEvent::closeRequest(), false));
}

TEST_F(InterruptionPolicyTest, ModeOneIgnoresTheMouseButNotKeys) {
    auto mode1 = policy(1);
    EXPECT_FALSE(mode1.endsSaver(Scene::InputEvent::mouseMove(0, 0), false));
    EXPECT_FALSE(mode1.endsSaver(Scene::InputEvent::mouseMove(900, 900), false));
    EXPECT_FALSE(reference.isRecorded());
    EXPECT_FALSE(
        mode1.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Left), false));
    EXPECT_FALSE(
        mode1.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Middle), false));
    EXPECT_TRUE(mode1.endsSaver(Scene::InputEvent::keyDown(altKey), false));
    EXPECT_TRUE(mode1.endsSaver(Scene::InputEvent::keyDown(Scene::InputEvent::escapeKey), false));
    EXPECT_TRUE(mode1.endsSaver(Scene::InputEvent::focusLost(), false));
    EXPECT_TRUE(mode1.endsSaver(Scene::InputEvent::closeRequest(), false));
}

TEST_F(InterruptionPolicyTest, ModeTwoEndsOnlyOnEscapeDeactivationOrClose) {
    auto mode2 = policy(2);
    EXPECT_FALSE(mode2.endsSaver(Scene::InputEvent::mouseMove(0, 0), false));
    EXPECT_FALSE(mode2.endsSaver(Scene::InputEvent::mouseMove(900, 900), false));
    EXPECT_FALSE(
        mode2.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Left), false));
    EXPECT_FALSE(
        mode2.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Right), false));
    EXPECT_FALSE(mode2.endsSaver(Scene::InputEvent::keyDown(altKey), false));
    EXPECT_FALSE(mode2.endsSaver(Scene::InputEvent::keyDown(f4Key), false));
    EXPECT_FALSE(mode2.endsSaver(Scene::InputEvent::keyDown(spaceKey), false));
    EXPECT_TRUE(mode2.endsSaver(Scene::InputEvent::keyDown(Scene::InputEvent::escapeKey), false));
    EXPECT_TRUE(mode2.endsSaver(Scene::InputEvent::focusLost(), false));
    EXPECT_TRUE(mode2.endsSaver(Scene::InputEvent::closeRequest(), false));
}

TEST_F(InterruptionPolicyTest, LosingTheFocusWhileClosingDoesNothing) {
    for (int32_t mode = 0; mode <= 2; ++mode) {
        EXPECT_FALSE(policy(mode).endsSaver(Scene::InputEvent::focusLost(), true))
            << "mode " << mode;
    }
}

TEST_F(InterruptionPolicyTest, ADesktopWindowLeavesMouseAndFocusToTheDesktop) {
    Scene::InterruptionPolicy windowed(0, reference,
                                       Scene::InterruptionPolicy::Placement::DesktopWindow);
    EXPECT_FALSE(windowed.endsSaver(Scene::InputEvent::mouseMove(0, 0), false));
    EXPECT_FALSE(windowed.endsSaver(Scene::InputEvent::mouseMove(300, 300), false));
    EXPECT_FALSE(
        windowed.endsSaver(Scene::InputEvent::buttonDown(Scene::InputEvent::Button::Left), false));
    EXPECT_FALSE(windowed.endsSaver(Scene::InputEvent::focusLost(), false));
    EXPECT_TRUE(windowed.endsSaver(Scene::InputEvent::keyDown(spaceKey), false));
    EXPECT_TRUE(windowed.endsSaver(Scene::InputEvent::closeRequest(), false));
}
