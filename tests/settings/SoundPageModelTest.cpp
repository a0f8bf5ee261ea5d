#include "settings/SoundPageModel.h"

#include "options/ScreenSaverOptionsStorage.h"

#include <bit>
#include <gtest/gtest.h>

namespace {

TEST(SoundPageModelTest, VolumeSlidersRunFromZeroToAHundredInTensWithTruncatedPositions) {
    ScreenSaverOptionsStorage options;
    options.setThunderVolume(0.379f);
    const SoundPageModel model(options, true);
    const SliderSettings rain = model.rainSlider();
    EXPECT_EQ(rain.minimum, 0);
    EXPECT_EQ(rain.maximum, 100);
    EXPECT_EQ(rain.pageSize, 10);
    EXPECT_EQ(rain.tickEvery, 10);
    EXPECT_EQ(rain.position, 80);
    EXPECT_EQ(model.thunderSlider().position, 37);
}

TEST(SoundPageModelTest, TheDefaultVolumeIsStoredAsTheFloatBelowPointEightAndShowsLowerNextTime) {
    ScreenSaverOptionsStorage options;
    const SoundPageModel opened(options, true);
    EXPECT_EQ(opened.initialState().rainPosition, 80);
    opened.apply(opened.initialState());
    EXPECT_EQ(std::bit_cast<uint32_t>(options.rainVolume()), 0x3F4CCCCCu);
    EXPECT_EQ(SoundPageModel(options, true).initialState().rainPosition, 79);
}

TEST(SoundPageModelTest, ThirtySevenStoresTheFloatNearestPointThirtySevenAndShowsThirtySeven) {
    ScreenSaverOptionsStorage options;
    SoundPageModel(options, true).apply({80, 37, true});
    EXPECT_EQ(options.thunderVolume(), 0.37f); // the float nearest to 0.37
    EXPECT_EQ(SoundPageModel(options, true).initialState().thunderPosition, 37);
}

TEST(SoundPageModelTest, WithoutAnAudioOutputTheSwitchIsOffDisabledAndTheFocusOnTheRain) {
    ScreenSaverOptionsStorage options;
    const SoundPageModel silent(options, false);
    EXPECT_FALSE(silent.initialState().soundEnabled);
    EXPECT_FALSE(silent.switchEnabled());
    EXPECT_EQ(silent.firstFocus(), SoundPageModel::rainVolumeId);
    const SoundPageModel audible(options, true);
    EXPECT_TRUE(audible.initialState().soundEnabled);
    EXPECT_EQ(audible.firstFocus(), SoundPageModel::soundEnabledId);
}

} // namespace
