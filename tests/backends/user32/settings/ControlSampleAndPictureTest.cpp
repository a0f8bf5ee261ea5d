#include "ControlTestHost.h"
#include "backends/user32/settings/ColorPickerControl.h"
#include "backends/user32/settings/StaticPictureControl.h"
#include "resources/ResourceErrors.h"

#include <gtest/gtest.h>

namespace {

using User32::ColorPickerControl;
using User32::StaticPictureControl;

constexpr int sampleId = 1045;
constexpr int pictureId = 1017;

class SampleAndPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (host.get() == nullptr) {
            GTEST_SKIP() << "no display";
        }
    }

    ControlTestHost host;
};

TEST_F(SampleAndPictureTest, TheSampleIsFilledWithItsColourInsideABlackOutline) {
    host.addPlaceholder(sampleId, 10, 10, 40, 20);
    ColorPickerControl& sample = ColorPickerControl::createOver(host.get(), sampleId);
    sample.setColour(RGB(10, 200, 30));
    EXPECT_EQ(sample.colour(), RGB(10, 200, 30));
    EXPECT_EQ(paintedPixel(sample.window(), 20, 10), RGB(10, 200, 30));
    EXPECT_EQ(paintedPixel(sample.window(), 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(paintedPixel(sample.window(), 39, 19), RGB(0, 0, 0));
    // Disabled, as while random colours are chosen: no colour shows.
    EnableWindow(sample.window(), FALSE);
    EXPECT_EQ(paintedPixel(sample.window(), 20, 10), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SampleAndPictureTest, ThePictureIsTheLogoResourceFittedIntoThePlaceholder) {
    host.addPlaceholder(pictureId, 10, 10, 60, 40);
    const StaticPictureControl& picture =
        StaticPictureControl::createOver(host.get(), pictureId, 152);
    EXPECT_GT(picture.pictureWidth(), 0);
    EXPECT_GT(picture.pictureHeight(), 0);
    EXPECT_EQ(GetDlgItem(host.get(), pictureId), picture.window());
}

TEST_F(SampleAndPictureTest, AMissingPictureThrowsAndLeavesThePlaceholder) {
    HWND placeholder = host.addPlaceholder(pictureId, 10, 10, 60, 40);
    EXPECT_THROW(StaticPictureControl::createOver(host.get(), pictureId, 9999),
                 Resources::ResourceNotFoundError);
    EXPECT_EQ(GetDlgItem(host.get(), pictureId), placeholder);
}

} // namespace
