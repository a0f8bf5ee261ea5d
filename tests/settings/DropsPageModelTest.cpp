#include "settings/DropsPageModel.h"

#include "RecordingOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

void expectSlider(const SliderSettings& slider, int minimum, int maximum, int pageSize,
                  int tickEvery, int position) {
    EXPECT_EQ(slider.minimum, minimum);
    EXPECT_EQ(slider.maximum, maximum);
    EXPECT_EQ(slider.lineSize, 1);
    EXPECT_EQ(slider.pageSize, pageSize);
    EXPECT_EQ(slider.tickEvery, tickEvery);
    EXPECT_EQ(slider.position, position);
}

TEST(DropsPageModelTest, SlidersTakeTheirRangesAndStepsFromTheOptionBounds) {
    ScreenSaverOptionsStorage options;
    options.setDensity(40);
    options.setMinRadius(2);
    options.setRadiusSpread(5);
    options.setWindForce(60);
    const DropsPageModel model(options);
    expectSlider(model.densitySlider(), 0, 50, 5, 5, 40);
    expectSlider(model.smallestRadiusSlider(), 1, 10, 1, 0, 2);
    expectSlider(model.largestRadiusSlider(), 1, 10, 1, 0, 7); // smallest + spread
    expectSlider(model.windForceSlider(), 0, 150, 15, 15, 60);
    expectSlider(model.speedSlider(), 0, 39, 4, 8, 19); // the default speed 30
    EXPECT_EQ(DropsPageModel::firstFocus(), DropsPageModel::densityId);
}

TEST(DropsPageModelTest, SpeedSliderStoresFortyNineAtTheTopAndTenAtTheBottom) {
    ScreenSaverOptionsStorage options;
    const DropsPageModel model(options);
    DropsPageState state = model.initialState();
    state.speedPosition = 0;
    model.apply(state);
    EXPECT_EQ(options.speed(), 49);
    state.speedPosition = 39;
    model.apply(state);
    EXPECT_EQ(options.speed(), 10);
    options.setSpeed(49);
    EXPECT_EQ(DropsPageModel(options).speedSlider().position, 0);
}

TEST(DropsPageModelTest, ALargestRadiusBelowTheSmallestIsRefusedWithMessage9OnTheSmallest) {
    ScreenSaverOptionsStorage options;
    const DropsPageModel model(options);
    DropsPageState state = model.initialState();
    state.smallestRadius = 8;
    state.largestRadius = 5;
    const ValidationFailure expected{9, ValidationFailure::Caption::errorString, 1012};
    EXPECT_EQ(model.validate(state), expected);
    state.largestRadius = 8;
    EXPECT_EQ(model.validate(state), std::nullopt);
}

TEST(DropsPageModelTest, ApplyWritesEveryControlInTheDesignedOrder) {
    RecordingOptions options;
    const DropsPageModel model(options);
    model.apply({40, false, 3, 10, 0, 1.0f, 29});
    EXPECT_THAT(options.calls,
                ::testing::ElementsAre("setDensity 40", "setDensityRampUp 0", "setMinRadius 3",
                                       "setRadiusSpread 7", "setWindForce 0", "setWindAngle",
                                       "setSpeed 20"));
    EXPECT_FLOAT_EQ(options.windAngle(), 1.0f);
}

} // namespace
