#include "settings/DisplayModeChoiceModel.h"

#include "settings/FakeDisplayModes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

TEST(DisplayModeChoiceModelTest, TheListShowsTheModelsModesWithItsSelectedModeSelected) {
    FakeModeModel modes;
    EXPECT_THAT(DisplayModeChoiceModel(modes).entries(),
                ::testing::ElementsAre("800x600", "1024x600"));
    EXPECT_EQ(DisplayModeChoiceModel(modes).initialState().selectedEntry,
              DisplayModeChoiceModel::noEntry);
    modes.selected = &modes.large;
    modes.useCurrent = false;
    const DisplayModeChoiceState state = DisplayModeChoiceModel(modes).initialState();
    EXPECT_FALSE(state.useCurrentMode);
    EXPECT_EQ(state.selectedEntry, 1);
    EXPECT_TRUE(DisplayModeChoiceModel::listEnabled(state));
}

TEST(DisplayModeChoiceModelTest, AListedModeWithoutASelectionIsRefusedWithMessage7001OnTheList) {
    FakeModeModel modes;
    const DisplayModeChoiceModel model(modes);
    EXPECT_EQ(model.validate({true, DisplayModeChoiceModel::noEntry}), std::nullopt);
    const ValidationFailure expected{7001, ValidationFailure::Caption::applicationTitle, 103};
    EXPECT_EQ(model.validate({false, DisplayModeChoiceModel::noEntry}), expected);
    EXPECT_EQ(model.validate({false, 0}), std::nullopt);
}

TEST(DisplayModeChoiceModelTest, ApplySelectsTheListedModeOnlyWhenTheListIsUsed) {
    FakeModeModel modes;
    const DisplayModeChoiceModel model(modes);
    model.apply({true, 1});
    EXPECT_TRUE(modes.useCurrent);
    EXPECT_EQ(modes.selections, 0);
    model.apply({false, 1});
    EXPECT_FALSE(modes.useCurrent);
    EXPECT_EQ(modes.selected, &modes.large);
}

} // namespace
