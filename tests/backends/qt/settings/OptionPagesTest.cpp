#include "UiTestSupport.h"
#include "backends/qt/settings/ControlPage.h"
#include "backends/qt/settings/DropsOptionsPage.h"
#include "backends/qt/settings/LightningOptionsPage.h"
#include "backends/qt/settings/ResetPeriodSpinBox.h"
#include "backends/qt/settings/SoundOptionsPage.h"
#include "backends/qt/settings/WindDirectionControl.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>

namespace {

template <typename Control> Control* find(QWidget& page, const char* name) {
    auto* control = page.findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
}

TEST(DropsPageTest, SpeedSliderRunsFromFortyNineAtTheTopToTenAtTheBottom) {
    TestHost host;
    ScreenSaverOptionsStorage options;
    DropsOptionsPage page(host, options);
    QSlider* speed = find<QSlider>(page, "speed");
    EXPECT_EQ(speed->minimum(), 0);
    EXPECT_EQ(speed->maximum(), 39);
    EXPECT_EQ(speed->pageStep(), 4);
    EXPECT_EQ(speed->tickInterval(), 8);
    EXPECT_EQ(speed->value(), 19); // the default 30

    speed->setValue(0);
    page.apply();
    EXPECT_EQ(options.speed(), 49);
    speed->setValue(39);
    page.apply();
    EXPECT_EQ(options.speed(), 10);
}

TEST(DropsPageTest, ControlsStartFromTheOptionsAndWriteThemBack) {
    TestHost host;
    ScreenSaverOptionsStorage options;
    options.setDensity(40);
    options.setMinRadius(2);
    options.setRadiusSpread(5);
    options.setWindAngle(1.0f);
    DropsOptionsPage page(host, options);
    EXPECT_EQ(find<QSlider>(page, "density")->value(), 40);
    EXPECT_EQ(find<QSlider>(page, "density")->pageStep(), 5);
    EXPECT_EQ(find<QSlider>(page, "maxRadius")->value(), 7);
    EXPECT_EQ(find<QSlider>(page, "windForce")->pageStep(), 15);
    EXPECT_FLOAT_EQ(find<WindDirectionControl>(page, "windDirection")->angle(), 1.0f);

    find<QSlider>(page, "minRadius")->setValue(3);
    find<QSlider>(page, "maxRadius")->setValue(10);
    find<QSlider>(page, "windForce")->setValue(0);
    find<QCheckBox>(page, "densityRampUp")->setChecked(false);
    EXPECT_TRUE(page.validate());
    page.apply();
    EXPECT_EQ(options.minRadius(), 3);
    EXPECT_EQ(options.radiusSpread(), 7);
    EXPECT_EQ(options.windForce(), 0);
    EXPECT_FALSE(options.densityRampUp());
    EXPECT_FLOAT_EQ(options.windAngle(), 1.0f);
}

TEST(LightningPageTest, WithBoltsOffALongestPauseBelowTheShortestIsStoredAsANegativeSpread) {
    TestHost host;
    ScreenSaverOptionsStorage options;
    LightningOptionsPage page(host, options);
    find<QCheckBox>(page, "boltsEnabled")->click();
    EXPECT_FALSE(find<QPushButton>(page, "boltDetails")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(page, "flashDetails")->isEnabled());
    find<QSlider>(page, "minInterval")->setValue(20);
    find<QSlider>(page, "maxInterval")->setValue(12);
    MessageBoxCatcher messages;
    messages.run([&] { EXPECT_TRUE(page.validate()); });
    EXPECT_TRUE(messages.seen().empty());
    page.apply();
    EXPECT_EQ(options.minInterval(), 20);
    EXPECT_EQ(options.intervalSpread(), -8);
    EXPECT_FALSE(options.boltsEnabled());
}

TEST(LightningPageTest, WithBoltsOnThePausesAreCheckedWithMessage23AndTheFocusOnTheShortest) {
    TestHost host;
    ScreenSaverOptionsStorage options;
    LightningOptionsPage page(host, options);
    showActive(page);
    QSlider* shortest = find<QSlider>(page, "minInterval");
    EXPECT_EQ(shortest->value(), 5);
    EXPECT_EQ(find<QSlider>(page, "maxInterval")->value(), 13);
    EXPECT_EQ(shortest->pageStep(), 3);
    shortest->setValue(20);
    MessageBoxCatcher messages;
    messages.run([&] { EXPECT_FALSE(page.validate()); });
    ASSERT_EQ(messages.seen().size(), 1u);
    EXPECT_EQ(messages.seen()[0].text, "闪电间隔最小时限不能长于闪电间隔最大时限,请重新调整.");
    EXPECT_EQ(messages.seen()[0].caption, "Error");
    EXPECT_EQ(page.focusWidget(), shortest);
}

TEST(SoundPageTest, VolumesShowAsTruncatedHundredthsAndStoreTheNearestFloat) {
    TestHost host;
    ScreenSaverOptionsStorage options;
    {
        SoundOptionsPage page(host, options, true);
        EXPECT_EQ(find<QSlider>(page, "rainVolume")->value(), 80);
        EXPECT_EQ(find<QSlider>(page, "rainVolume")->pageStep(), 10);
        find<QSlider>(page, "thunderVolume")->setValue(37);
        page.apply();
    }
    EXPECT_EQ(std::bit_cast<uint32_t>(options.rainVolume()), 0x3F4CCCCCu);
    EXPECT_EQ(options.thunderVolume(), 0.37f);
    SoundOptionsPage reopened(host, options, true);
    EXPECT_EQ(find<QSlider>(reopened, "rainVolume")->value(), 79);
    EXPECT_EQ(find<QSlider>(reopened, "thunderVolume")->value(), 37);
}

TEST(SoundPageTest, WithoutAnAudioOutputTheSwitchIsOffGreyedAndStoredOff) {
    TestHost host;
    ScreenSaverOptionsStorage options;
    SoundOptionsPage page(host, options, false);
    QCheckBox* enabled = find<QCheckBox>(page, "soundEnabled");
    EXPECT_FALSE(enabled->isChecked());
    EXPECT_FALSE(enabled->isEnabled());
    page.apply();
    EXPECT_FALSE(options.soundEnabled());
}

TEST(ControlPageTest, ResetSwitchGreysThePeriodAndEveryControlIsWrittenBack) {
    TestHost host;
    ScreensaverControlOptions options;
    options.setResetEnabled(false);
    options.setResetPeriod(120);
    options.setInterruptMode(IScreensaverControlOptions::interruptOnAnyKey);
    ControlPage page(host, options);
    auto* period = find<ResetPeriodSpinBox>(page, "resetPeriod");
    EXPECT_FALSE(period->isEnabled());
    EXPECT_TRUE(find<QRadioButton>(page, "interruptOnAnyKey")->isChecked());
    EXPECT_EQ(find<QSlider>(page, "cpuLoad")->singleStep(), 5);
    EXPECT_EQ(find<QSlider>(page, "cpuLoad")->pageStep(), 20);

    find<QCheckBox>(page, "resetEnabled")->click();
    EXPECT_TRUE(period->isEnabled());
    period->setValue(5000);
    EXPECT_EQ(period->value(), 3600);
    period->setValue(-1);
    EXPECT_EQ(period->value(), 0);
    period->setValue(300);
    find<QSlider>(page, "cpuLoad")->setValue(35);
    find<QRadioButton>(page, "interruptOnEscape")->setChecked(true);
    EXPECT_TRUE(page.validate());
    page.apply();
    EXPECT_TRUE(options.resetEnabled());
    EXPECT_EQ(options.resetPeriod(), 300);
    EXPECT_EQ(options.maxCpuLoad(), 35);
    EXPECT_EQ(options.interruptMode(), IScreensaverControlOptions::interruptOnEscapeOnly);
}

TEST(ControlPageTest, AHeldArrowStepsFasterTheLongerItIsHeld) {
    EXPECT_EQ(ResetPeriodSpinBox::stepAfter(0), 1);
    EXPECT_EQ(ResetPeriodSpinBox::stepAfter(1999), 1);
    EXPECT_EQ(ResetPeriodSpinBox::stepAfter(2000), 5);
    EXPECT_EQ(ResetPeriodSpinBox::stepAfter(4000), 10);
    EXPECT_EQ(ResetPeriodSpinBox::stepAfter(6500), 25);
}

} // namespace
