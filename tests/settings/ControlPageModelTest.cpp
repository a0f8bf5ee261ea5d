#include "settings/ControlPageModel.h"

#include "options/ScreensaverControlOptions.h"
#include "settings/CpuLoadControlModel.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlPageModelTest, ResetPeriodRunsFromZeroToAnHourAndStartsAtTheStoredPeriod) {
    ScreensaverControlOptions options;
    options.setResetPeriod(120);
    const SpinSettings spin = ControlPageModel(options).resetPeriodSpin();
    EXPECT_EQ(spin.minimum, 0);
    EXPECT_EQ(spin.maximum, 3600);
    EXPECT_EQ(spin.position, 120);
}

TEST(ControlPageModelTest, AHeldArrowStepsByOneThenFiveTenAndTwentyFive) {
    EXPECT_EQ(ControlPageModel::resetPeriodStepAfter(0), 1);
    EXPECT_EQ(ControlPageModel::resetPeriodStepAfter(1999), 1);
    EXPECT_EQ(ControlPageModel::resetPeriodStepAfter(2000), 5);
    EXPECT_EQ(ControlPageModel::resetPeriodStepAfter(3999), 5);
    EXPECT_EQ(ControlPageModel::resetPeriodStepAfter(4000), 10);
    EXPECT_EQ(ControlPageModel::resetPeriodStepAfter(6000), 25);
    EXPECT_EQ(ControlPageModel::resetPeriodStepAfter(60000), 25);
}

TEST(ControlPageModelTest, ThePeriodFollowsTheResetSwitchAndBothAreWrittenBack) {
    ScreensaverControlOptions options;
    options.setResetEnabled(false);
    const ControlPageModel model(options);
    EXPECT_FALSE(ControlPageModel::periodEnabled(model.initialState()));
    EXPECT_TRUE(ControlPageModel::periodEnabled({true, 15}));
    model.apply({true, 300});
    EXPECT_TRUE(options.resetEnabled());
    EXPECT_EQ(options.resetPeriod(), 300);
}

TEST(CpuLoadControlModelTest, SliderStepsByFiveAndTwentyOverPercentages) {
    ScreensaverControlOptions options;
    options.setMaxCpuLoad(35);
    const SliderSettings load = CpuLoadControlModel(options).loadSlider();
    EXPECT_EQ(load.minimum, 0);
    EXPECT_EQ(load.maximum, 100);
    EXPECT_EQ(load.lineSize, 5);
    EXPECT_EQ(load.pageSize, 20);
    EXPECT_EQ(load.position, 35);
}

TEST(CpuLoadControlModelTest, EachInterruptionModeHasItsRadioButton) {
    ScreensaverControlOptions options;
    const CpuLoadControlModel model(options);
    for (const auto& [mode, radio] : {std::pair{0, 1020}, {1, 1021}, {2, 1022}}) {
        options.setInterruptMode(mode);
        EXPECT_EQ(model.initialState().checkedRadio, radio);
        options.setInterruptMode(-1);
        model.apply({50, radio});
        EXPECT_EQ(options.interruptMode(), mode);
    }
    EXPECT_EQ(options.maxCpuLoad(), 50);
    EXPECT_EQ(CpuLoadControlModel::radioFor(7), CpuLoadControlModel::escapeOnlyId);
}

} // namespace
