#include "UiTestSupport.h"
#include "backends/qt/settings/LiveRainPreview.h"
#include "backends/qt/settings/PropertyPagesSheet.h"
#include "backends/qt/settings/RainPreviewWidget.h"
#include "backends/qt/settings/SettingsDialog.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "platform/MillisecondClock.h"

#include <QCheckBox>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

class SteppedClock : public IMillisecondClock {
public:
    uint32_t now() const override { return time; }
    uint32_t time = 1000;
};

TEST(RainPreviewTest, DropsLandOnTheDesktopPictureAsTimePasses) {
    ScreenSaverOptionsStorage options;
    options.setDensityRampUp(false);
    options.setDensity(50);
    SteppedClock clock;
    RainPreviewWidget preview(options, clock);
    const QImage dry = preview.picture().copy();
    EXPECT_EQ(dry.size(), QSize(RainPreviewWidget::previewWidth, RainPreviewWidget::previewHeight));
    for (int frame = 0; frame < 60; ++frame) {
        clock.time += RainPreviewWidget::frameMilliseconds;
        preview.frame();
    }
    EXPECT_NE(preview.picture(), dry);
}

TEST(RainPreviewTest, FollowsTheDropsPageWithoutTouchingTheOptions) {
    ScreenSaverOptionsStorage options;
    LiveRainPreview preview(options);
    PropertyPagesSheet sheet(nullptr, "caption", nullptr);
    SettingsDialog::addPages(sheet, options, true, &preview);
    const int restarts = preview.widget()->restarts();

    PropertyPageBase* drops = sheet.page(1);
    drops->findChild<QSlider*>("density")->setValue(12);
    drops->findChild<QCheckBox*>("densityRampUp")->setChecked(false);
    EXPECT_EQ(preview.widget()->restarts(), restarts + 2);
    EXPECT_EQ(preview.options().density(), 12);
    EXPECT_FALSE(preview.options().densityRampUp());
    EXPECT_EQ(options.density(), 25);
    EXPECT_TRUE(options.densityRampUp());
}

} // namespace
