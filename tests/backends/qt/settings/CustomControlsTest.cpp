#include "UiTestSupport.h"
#include "backends/qt/settings/BrightnessSelectionControl.h"
#include "backends/qt/settings/ColorPickerControl.h"
#include "backends/qt/settings/DisplayModeSelectionControl.h"
#include "backends/qt/settings/DropsOptionsPage.h"
#include "backends/qt/settings/WallpaperListEditingControl.h"
#include "backends/qt/settings/WindDirectionControl.h"
#include "options/DefaultWallpaperListModel.h"
#include "settings/FakeDisplayModes.h"

#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <numbers>

namespace {

TEST(WindDialTest, AngleFromThePointerKeepsWithinTheDropsPageLimits) {
    WindDirectionControl dial;
    dial.setLimits(DropsOptionsPage::lowestWindAngle, DropsOptionsPage::highestWindAngle);
    const int pivot = dial.pivot().x();
    EXPECT_FLOAT_EQ(dial.angleAt({pivot, 40}), static_cast<float>(std::numbers::pi / 2));
    EXPECT_FLOAT_EQ(dial.angleAt({pivot + 20, -5}), 3.0543263f); // above, right half
    EXPECT_FLOAT_EQ(dial.angleAt({pivot - 20, -5}), 0.0872665f); // above, left half
    EXPECT_FLOAT_EQ(dial.angleAt({pivot - 30, 30}), static_cast<float>(std::numbers::pi / 4));
    EXPECT_FLOAT_EQ(dial.angleAt({pivot + 30, 30}), static_cast<float>(3 * std::numbers::pi / 4));
}

TEST(WindDialTest, MouseAndKeysTurnTheArrow) {
    WindDirectionControl dial;
    dial.setLimits(DropsOptionsPage::lowestWindAngle, DropsOptionsPage::highestWindAngle);
    const int pivot = dial.pivot().x();
    QTest::mousePress(&dial, Qt::LeftButton, {}, {pivot, 30});
    EXPECT_FLOAT_EQ(dial.angle(), static_cast<float>(std::numbers::pi / 2));
    QTest::mouseMove(&dial, {pivot - 30, 30});
    QTest::mouseRelease(&dial, Qt::LeftButton, {}, {pivot - 30, 30});
    EXPECT_FLOAT_EQ(dial.angle(), static_cast<float>(std::numbers::pi / 4));

    dial.setAngle(3.0f);
    for (int press = 0; press < 4; ++press) { // a degree each, the last one cut at the limit
        QTest::keyClick(&dial, Qt::Key_Right);
    }
    EXPECT_FLOAT_EQ(dial.angle(), 3.0543263f);
    QTest::keyClick(&dial, Qt::Key_Left);
    EXPECT_NEAR(dial.angle(), 3.0543263 - std::numbers::pi / 180, 1e-6);
}

TEST(BrightnessStripTest, DraggingPastEitherEndGivesZeroOr255) {
    BrightnessSelectionControl strip;
    strip.resize(271, 40); // a gradient 255 pixels wide
    const QRect area = strip.gradientArea();
    EXPECT_EQ(area.width(), 255);
    EXPECT_EQ(area.height(), 31);
    EXPECT_EQ(strip.valueAt(area.left() + 100), 100);

    QTest::mousePress(&strip, Qt::LeftButton, {}, {area.left() + 10, 5});
    QTest::mouseMove(&strip, {-50, 5});
    EXPECT_EQ(strip.value(), 0);
    QTest::mouseMove(&strip, {400, 5});
    EXPECT_EQ(strip.value(), 255);
    QTest::mouseRelease(&strip, Qt::LeftButton, {}, {400, 5});
    QTest::mouseMove(&strip, {area.left() + 50, 5});
    EXPECT_EQ(strip.value(), 255); // the drag ended with the release
}

TEST(ColourSampleTest, ColoursKeepTheirRedInTheLowByte) {
    const QColor colour = ColorPickerControl::toQColor(0x00336699);
    EXPECT_EQ(colour, QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ColorPickerControl::fromQColor(colour), 0x00336699u);
}

class WallpaperEditorTest : public ::testing::Test {
protected:
    QString picture(const QString& name) {
        const QString path = folder.filePath(name);
        QImage(8, 8, QImage::Format_RGB32).save(path, "BMP");
        return path;
    }

    QTemporaryDir folder;
    DefaultWallpaperListModel model;
};

TEST_F(WallpaperEditorTest, AddsPicturesRemovesAndReordersKeepingEveryPathWithItsEntry) {
    const QString a = picture("a.bmp");
    const QString b = picture("b.bmp");
    const QString c = picture("c.BMP");
    model.setFiles({a.toStdString()});
    WallpaperListEditingControl editor(nullptr, model);
    editor.addFiles({b, c});
    EXPECT_EQ(editor.paths(), (QStringList{a, b, c}));
    EXPECT_EQ(editor.findChild<QListWidget*>("wallpapers")->item(2)->text(), "c.BMP");

    editor.moveEntry(2, 0);
    EXPECT_EQ(editor.paths(), (QStringList{c, a, b}));
    EXPECT_EQ(editor.findChild<QListWidget*>("wallpapers")->item(0)->text(), "c.BMP");
    editor.findChild<QListWidget*>("wallpapers")->setCurrentRow(1);
    QTest::mouseClick(editor.findChild<QWidget*>("removeWallpaper"), Qt::LeftButton);
    editor.findChild<QRadioButton*>("randomOrder")->setChecked(true);
    editor.apply();
    EXPECT_EQ(model.files(), (std::vector<std::string>{c.toStdString(), b.toStdString()}));
    EXPECT_EQ(model.orderMode(), IWallpaperListModel::randomOrder);
}

TEST_F(WallpaperEditorTest, AFileNamedLikeAJpegWithoutJpegDataShowsMessage7011) {
    const QString fake = folder.filePath("holiday.jpg");
    std::ofstream(fake.toStdString()) << "not a picture";
    WallpaperListEditingControl editor(nullptr, model);
    MessageBoxCatcher messages;
    messages.run([&] { editor.addFiles({fake}); });
    EXPECT_TRUE(editor.paths().isEmpty());
    ASSERT_EQ(messages.seen().size(), 1u);
    EXPECT_EQ(messages.seen()[0].text,
              "File \"" + fake +
                  "\" has invalid or unsupported image format. Currently supported\nformats "
                  "include Windows bitmaps and JPEG images.");
    EXPECT_EQ(messages.seen()[0].caption, "Pluvo Screen Saver 2.2.17");
    EXPECT_EQ(messages.seen()[0].icon, QMessageBox::Critical);
}

TEST(DisplayModeControlTest, AListedModeWithoutASelectionShowsMessage7001AndFocusesTheList) {
    FakeModeModel model;
    DisplayModeSelectionControl control(nullptr, model);
    showActive(control);
    auto* modes = control.findChild<QComboBox*>("modes");
    EXPECT_FALSE(modes->isEnabled());
    EXPECT_EQ(modes->count(), 2);
    EXPECT_TRUE(control.validate());

    QTest::mouseClick(control.findChild<QRadioButton*>("useListedMode"), Qt::LeftButton);
    EXPECT_TRUE(modes->isEnabled());
    MessageBoxCatcher messages;
    messages.run([&] { EXPECT_FALSE(control.validate()); });
    ASSERT_EQ(messages.seen().size(), 1u);
    EXPECT_EQ(messages.seen()[0].text, "You haven't selected a valid display mode. Please "
                                       "reselect it\nor click Cancel to return to previous "
                                       "settings.");
    EXPECT_EQ(messages.seen()[0].caption, "Pluvo Screen Saver 2.2.17");
    EXPECT_EQ(control.focusWidget(), modes);

    modes->setCurrentIndex(1);
    EXPECT_TRUE(control.validate());
    control.apply();
    EXPECT_FALSE(model.useCurrent);
    EXPECT_EQ(model.selected, &model.large);
}

} // namespace
