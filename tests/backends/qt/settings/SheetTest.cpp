#include "UiTestSupport.h"
#include "backends/qt/settings/ApplicationBasedPropSheetHelpProvider.h"
#include "backends/qt/settings/BrightnessSelectionControl.h"
#include "backends/qt/settings/PropertyPagesSheet.h"
#include "backends/qt/settings/SettingsDialog.h"
#include "options/Configuration.h"
#include "options/FakeDisplayDevice.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <bit>
#include <gtest/gtest.h>

namespace {

enum PageIndex { about, drops, lightning, display, sound, control };

struct SettingsSheet {
    ScreenSaverOptionsStorage options;
    PropertyPagesSheet sheet{nullptr, "Pluvo Screen Saver 2.2.17", nullptr};

    SettingsSheet() { SettingsDialog::addPages(sheet, options, true); }

    QSlider* slider(PageIndex page, const char* name) {
        return sheet.page(page)->findChild<QSlider*>(name);
    }
};

// Settings that chose 1280x720 True Color for the saver, as the Display page stores them.
std::string valueWithAChosenMode() {
    FakeDisplayDevice screen({{32, 1280, 720, 0}});
    ScreenSaverOptionsStorage options;
    DirectXDisplayModeSelectionModel& model = options.displayModeSelectionModel();
    model.setUseCurrentMode(false);
    model.selectMode(model.availableModes()[0]);
    return Configuration::valueOf(options);
}

struct StoredSettingsSheet {
    explicit StoredSettingsSheet(const std::string& value)
        : options(Configuration::optionsFromValue(value)) {
        SettingsDialog::addPages(sheet, *options, true);
    }

    std::unique_ptr<ScreenSaverOptionsStorage> options;
    PropertyPagesSheet sheet{nullptr, "Pluvo Screen Saver 2.2.17", nullptr};
};

TEST(SheetTest, TheDisplayPageListsTheDisplaysModesShowsTheStoredOneAndOkStoresAnother) {
    const std::string stored = valueWithAChosenMode();
    FakeDisplayDevice screen(
        {{16, 1024, 768, 0}, {32, 1280, 720, 0}, {4, 1920, 1080, 0}, {32, 1920, 1080, 0}});
    StoredSettingsSheet settings(stored);
    auto* modes = settings.sheet.page(display)->findChild<QComboBox*>("modes");
    QStringList captions;
    for (int index = 0; index < modes->count(); ++index) {
        captions << modes->itemText(index);
    }
    EXPECT_EQ(captions,
              QStringList({"1920x1080 True Color (32 bit)", "1280x720 True Color (32 bit)",
                           "1024x768 High Color (16 bit)"}));
    EXPECT_EQ(modes->currentText(), "1280x720 True Color (32 bit)");
    EXPECT_TRUE(
        settings.sheet.page(display)->findChild<QRadioButton*>("useListedMode")->isChecked());
    EXPECT_TRUE(modes->isEnabled());

    modes->setCurrentIndex(0);
    settings.sheet.accept();
    const DirectXDisplayModeSelectionModel& model = settings.options->displayModeSelectionModel();
    EXPECT_FALSE(model.useCurrentMode());
    ASSERT_NE(model.selectedMode(), nullptr);
    EXPECT_EQ(model.selectedMode()->width(), 1920);
}

// Also where no display can be opened to list the modes (no X server), a cancelled sheet must not
// lose the choice stored before.
TEST(SheetTest, CancelKeepsAStoredModeByteForByteWithOrWithoutADisplay) {
    const std::string stored = valueWithAChosenMode();
    for (const bool displayPresent : {true, false}) {
        SCOPED_TRACE(displayPresent ? "with a display" : "without a display");
        FakeDisplayDevice screen({{32, 1920, 1080, 0}, {32, 1280, 720, 0}});
        screen.absent = !displayPresent;
        StoredSettingsSheet settings(stored);
        auto* modes = settings.sheet.page(display)->findChild<QComboBox*>("modes");
        EXPECT_EQ(modes->count(), displayPresent ? 2 : 0);
        settings.sheet.reject();
        EXPECT_EQ(Configuration::valueOf(*settings.options), stored);
    }
}

TEST(SheetTest, OkAppliesOnlyTheOpenedPagesSoTheSoundPageAloneStoresTheFloatBelowEightTenths) {
    SettingsSheet settings;
    settings.options.setSpeed(50); // out of the slider's reach: it would change if Drops applied
    settings.sheet.page(sound);
    settings.sheet.accept();

    EXPECT_EQ(std::bit_cast<uint32_t>(settings.options.rainVolume()), 0x3F4CCCCCu);
    EXPECT_EQ(std::bit_cast<uint32_t>(settings.options.thunderVolume()), 0x3F4CCCCCu);
    EXPECT_EQ(settings.options.speed(), 50);
    EXPECT_EQ(settings.sheet.result(), QDialog::Accepted);
}

TEST(SheetTest, CancelAppliesNoPageEvenAfterEveryControlWasMoved) {
    SettingsSheet settings;
    const std::string before = Configuration::valueOf(settings.options);
    for (PageIndex page : {drops, lightning, sound}) {
        for (QSlider* slider : settings.sheet.page(page)->findChildren<QSlider*>()) {
            slider->setValue(slider->minimum());
        }
    }
    settings.sheet.page(control);
    settings.sheet.page(display);
    settings.sheet.reject();
    EXPECT_EQ(Configuration::valueOf(settings.options), before);
}

TEST(SheetTest, LeavingThePageWithTheLargerSmallestRadiusShowsMessage9AndStaysThere) {
    SettingsSheet settings;
    showActive(settings.sheet);
    settings.sheet.showPage(drops);
    EXPECT_EQ(settings.sheet.focusWidget(), settings.slider(drops, "density"));
    QSlider* smallest = settings.slider(drops, "minRadius");
    smallest->setValue(8);
    settings.slider(drops, "maxRadius")->setValue(5);
    settings.slider(drops, "density")->setFocus();

    MessageBoxCatcher messages;
    messages.run([&] { settings.sheet.showPage(lightning); });

    ASSERT_EQ(messages.seen().size(), 1u);
    EXPECT_EQ(messages.seen()[0].text, "最小雨滴半径不能大于最大雨滴半径,请重新调整.");
    EXPECT_EQ(messages.seen()[0].caption, "Error");
    EXPECT_EQ(messages.seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(settings.sheet.currentIndex(), drops);
    EXPECT_EQ(settings.sheet.focusWidget(), smallest);

    // OK on the faulty page neither applies nor closes.
    messages.run([&] { settings.sheet.accept(); });
    EXPECT_EQ(messages.seen().size(), 2u);
    EXPECT_EQ(settings.options.minRadius(), 4);
    EXPECT_TRUE(settings.sheet.isVisible());

    settings.slider(drops, "maxRadius")->setValue(9);
    settings.sheet.showPage(lightning);
    EXPECT_EQ(settings.sheet.currentIndex(), lightning);
    settings.sheet.accept();
    EXPECT_EQ(settings.options.minRadius(), 8);
    EXPECT_EQ(settings.options.radiusSpread(), 1);
}

TEST(SheetTest, WhatTheLightningDetailsWroteStaysWhenTheSheetIsCancelled) {
    SettingsSheet settings;
    showActive(settings.sheet);
    settings.sheet.showPage(lightning);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "闪电颜色详细设置");
        dialog->findChild<QRadioButton*>("chosenColour")->click();
        EXPECT_TRUE(dialog->findChild<QPushButton*>("changeColour")->isEnabled());
        dialog->accept();
    });
    settings.sheet.page(lightning)->findChild<QPushButton*>("boltDetails")->click();
    EXPECT_EQ(settings.options.randomColour(), 0);

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<BrightnessSelectionControl*>()->setValue(200);
        dialog->accept();
    });
    settings.sheet.page(lightning)->findChild<QPushButton*>("flashDetails")->click();
    EXPECT_EQ(settings.options.flashThreshold(), 200);

    settings.sheet.reject();
    EXPECT_EQ(settings.options.randomColour(), 0);
    EXPECT_EQ(settings.options.flashThreshold(), 200);
}

TEST(SheetTest, HelpOpensTheGuideAtItsBeginning) {
    ApplicationBasedPropSheetHelpProvider help;
    PropertyPagesSheet sheet(nullptr, "caption", &help);
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->findChild<QTextBrowser*>()->toPlainText();
        dialog->reject();
    });
    sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
    EXPECT_TRUE(shown.startsWith("屏幕保护程序设置")) << shown.toStdString();
}

TEST(SheetTest, EscapeCancelsAndReturnPressesOk) {
    SettingsSheet settings;
    showActive(settings.sheet);
    settings.sheet.showPage(sound);
    QTest::keyClick(&settings.sheet, Qt::Key_Return);
    EXPECT_EQ(settings.sheet.result(), QDialog::Accepted);
    EXPECT_EQ(std::bit_cast<uint32_t>(settings.options.rainVolume()), 0x3F4CCCCCu);

    SettingsSheet cancelled;
    showActive(cancelled.sheet);
    cancelled.sheet.showPage(sound);
    QTest::keyClick(&cancelled.sheet, Qt::Key_Escape);
    EXPECT_EQ(cancelled.sheet.result(), QDialog::Rejected);
    EXPECT_EQ(cancelled.options.rainVolume(), 0.8f);
}

} // namespace
