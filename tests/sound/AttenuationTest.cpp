#include "sound/Attenuation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();

TEST(PanTest, HundredthsOfADecibelTruncatedTowardZero) {
    EXPECT_EQ(Sound::panHundredths(-1.0f), -10000);
    EXPECT_EQ(Sound::panHundredths(1.0f), 10000);
    EXPECT_EQ(Sound::panHundredths(0.0f), 0);
    EXPECT_EQ(Sound::panHundredths(0.33333f), 3333);
    EXPECT_EQ(Sound::panHundredths(-0.33333f), -3333);
}

TEST(PanTest, OutOfRangeStaysAtTheSideAndNotANumberIsTheCentre) {
    EXPECT_EQ(Sound::panHundredths(1.5f), 10000);
    EXPECT_EQ(Sound::panHundredths(-7.0f), -10000);
    EXPECT_EQ(Sound::panHundredths(notANumber), 0);
}

TEST(VolumeTest, LinearInDecibelsDownToMinusForty) {
    EXPECT_EQ(Sound::volumeHundredths(1.0f), 0);
    EXPECT_EQ(Sound::volumeHundredths(0.5f), -2000);
    EXPECT_EQ(Sound::volumeHundredths(0.25f), -3000);
    EXPECT_EQ(Sound::volumeHundredths(0.000001f), -3999);
}

TEST(VolumeTest, ZeroNegativeAndNotANumberAreSilenceNotMinusForty) {
    EXPECT_EQ(Sound::volumeHundredths(0.0f), -10000);
    EXPECT_EQ(Sound::volumeHundredths(-0.5f), -10000);
    EXPECT_EQ(Sound::volumeHundredths(notANumber), -10000);
}

TEST(VolumeTest, AboveFullLevelStaysAtFullLevel) {
    EXPECT_EQ(Sound::volumeHundredths(1.5f), 0);
}

TEST(ChannelGainsTest, PanLowersOnlyTheOppositeChannel) {
    const Sound::ChannelGains right = Sound::channelGains(0, 2000);
    EXPECT_NEAR(right.left, 0.1f, 1e-6f);
    EXPECT_FLOAT_EQ(right.right, 1.0f);
    const Sound::ChannelGains left = Sound::channelGains(0, -4000);
    EXPECT_FLOAT_EQ(left.left, 1.0f);
    EXPECT_NEAR(left.right, 0.01f, 1e-7f);
}

TEST(ChannelGainsTest, VolumeLowersBothAndAddsToThePan) {
    const Sound::ChannelGains gains = Sound::channelGains(-2000, -1000);
    EXPECT_NEAR(gains.left, 0.1f, 1e-6f);
    EXPECT_NEAR(gains.right, std::pow(10.0f, -1.5f), 1e-6f);
}

TEST(ChannelGainsTest, MinusTenThousandOrLessIsSilence) {
    EXPECT_EQ(Sound::channelGains(-10000, 0).left, 0.0f);
    EXPECT_EQ(Sound::channelGains(-10000, 0).right, 0.0f);
    const Sound::ChannelGains hardRight = Sound::channelGains(-100, 10000);
    EXPECT_EQ(hardRight.left, 0.0f);
    EXPECT_GT(hardRight.right, 0.0f);
}

} // namespace
