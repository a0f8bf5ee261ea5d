#include "settings/LightningPageModel.h"

#include "RecordingOptions.h"
#include "settings/BoltColourDialogModel.h"
#include "settings/FlashDialogModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

TEST(LightningPageModelTest,
     PauseSlidersRunOverTheIntervalBoundsFromShortestAndShortestPlusSpread) {
    ScreenSaverOptionsStorage options;
    const LightningPageModel model(options);
    const SliderSettings shortest = model.shortestPauseSlider();
    EXPECT_EQ(shortest.minimum, 1);
    EXPECT_EQ(shortest.maximum, 30);
    EXPECT_EQ(shortest.pageSize, 3);
    EXPECT_EQ(shortest.tickEvery, 3);
    EXPECT_EQ(shortest.position, 5);
    EXPECT_EQ(model.longestPauseSlider().position, 13);
}

TEST(LightningPageModelTest, WithBoltsOnTheLongestPauseMayNotBeShorterThanTheShortest) {
    ScreenSaverOptionsStorage options;
    const LightningPageModel model(options);
    const LightningPageState state{20, 12, true, true};
    const ValidationFailure expected{23, ValidationFailure::Caption::errorString, 1046};
    EXPECT_EQ(model.validate(state), expected);
}

TEST(LightningPageModelTest, WithBoltsOffTheSamePausesAreStoredAsANegativeSpreadInOrder) {
    RecordingOptions options;
    const LightningPageModel model(options);
    const LightningPageState state{20, 12, false, true};
    EXPECT_EQ(model.validate(state), std::nullopt);
    model.apply(state);
    EXPECT_THAT(options.calls, ::testing::ElementsAre("setMinInterval 20", "setIntervalSpread -8",
                                                      "setBoltsEnabled 0", "setFlashesEnabled 1"));
}

TEST(LightningPageModelTest, EachAdvancedButtonFollowsItsCheckBox) {
    EXPECT_FALSE(LightningPageModel::boltDetailsEnabled({5, 13, false, true}));
    EXPECT_TRUE(LightningPageModel::flashDetailsEnabled({5, 13, false, true}));
    EXPECT_TRUE(LightningPageModel::boltDetailsEnabled({5, 13, true, false}));
    EXPECT_FALSE(LightningPageModel::flashDetailsEnabled({5, 13, true, false}));
}

TEST(LightningDialogsTest, BoltColourIsRandomForAnyNonZeroSettingAndIsWrittenOnAccept) {
    ScreenSaverOptionsStorage options;
    options.setRandomColour(7);
    options.setBoltColour(0x00336699);
    const BoltColourDialogModel bolts(options);
    const BoltColourState initial = bolts.initialState();
    EXPECT_TRUE(initial.randomColour);
    EXPECT_EQ(initial.colour, 0x00336699u);
    EXPECT_FALSE(BoltColourDialogModel::colourChoiceEnabled(initial));

    bolts.accept({0x00112233, false});
    EXPECT_EQ(options.boltColour(), 0x00112233u);
    EXPECT_EQ(options.randomColour(), 0);
    EXPECT_TRUE(BoltColourDialogModel::colourChoiceEnabled(bolts.initialState()));
    bolts.accept({0x00112233, true});
    EXPECT_EQ(options.randomColour(), 1);
}

TEST(LightningDialogsTest, FlashColourAndThresholdAreWrittenOnAccept) {
    ScreenSaverOptionsStorage options;
    options.setFlashThreshold(200);
    const FlashDialogModel flashes(options);
    EXPECT_EQ(flashes.initialState().threshold, 200);
    flashes.accept({0x00FF8040, 17});
    EXPECT_EQ(options.flashColour(), 0x00FF8040u);
    EXPECT_EQ(options.flashThreshold(), 17);
}

} // namespace
