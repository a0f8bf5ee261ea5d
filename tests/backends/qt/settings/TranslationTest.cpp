#include "backends/qt/settings/ApplicationBasedPropSheetHelpProvider.h"
#include "backends/qt/settings/PropertyPagesSheet.h"
#include "backends/qt/settings/SettingsDialog.h"
#include "backends/qt/settings/UiTexts.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// Puts a language in force for one test and the tests' Chinese back afterwards.
class LanguageTest : public ::testing::Test {
protected:
    void use(const QLocale& locale) {
        QLocale::setDefault(locale);
        SettingsDialog::installTranslation();
    }
    void TearDown() override { use(QLocale(QLocale::Chinese, QLocale::China)); }

    QStringList captions(ScreenSaverOptionsStorage& options) {
        PropertyPagesSheet sheet(nullptr, "caption", nullptr);
        SettingsDialog::addPages(sheet, options, true);
        QStringList result;
        auto* tabs = sheet.findChild<QTabWidget*>();
        for (int index = 0; index < tabs->count(); ++index) {
            result.append(tabs->tabText(index));
        }
        return result;
    }
};

TEST_F(LanguageTest, ChineseKeepsTheCaptionsAsWrittenAndEveryOtherLanguageGetsEnglish) {
    ScreenSaverOptionsStorage options;
    use(QLocale(QLocale::Chinese, QLocale::Taiwan));
    EXPECT_EQ(captions(options), (QStringList{"关于", "雨滴", "闪电", "显示", "声音", "控制"}));
    EXPECT_EQ(UiTexts::string(9), "最小雨滴半径不能大于最大雨滴半径,请重新调整.");

    for (const QLocale& locale :
         {QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Japanese, QLocale::Japan)}) {
        use(locale);
        EXPECT_EQ(captions(options),
                  (QStringList{"About", "Drops", "Lightning", "Display", "Sound", "Control"}))
            << locale.name().toStdString();
        EXPECT_EQ(UiTexts::string(23), "The minimum pause between bolts cannot be longer than "
                                       "the maximum pause. Please adjust them.");
        EXPECT_TRUE(ApplicationBasedPropSheetHelpProvider::helpText().contains("Drops"));
    }
}

// What's This texts are written for every control a user can reach.
TEST_F(LanguageTest, EveryControlOfEveryPageExplainsItself) {
    ScreenSaverOptionsStorage options;
    use(QLocale(QLocale::English, QLocale::UnitedKingdom));
    PropertyPagesSheet sheet(nullptr, "caption", nullptr);
    SettingsDialog::addPages(sheet, options, true);
    for (int index = 1; index < 6; ++index) {
        for (QWidget* control : sheet.page(index)->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel*>(control) ||
                control->parentWidget()->inherits("QComboBox") ||
                control->parentWidget()->inherits("QAbstractSpinBox") ||
                control->inherits("QScrollBar") || !control->objectName().size()) {
                continue;
            }
            EXPECT_FALSE(control->whatsThis().isEmpty())
                << index << " " << control->objectName().toStdString();
        }
    }
}

} // namespace
