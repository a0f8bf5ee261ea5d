#include "ui/SettingsDialog.h"

#include "display/DX5Error.h"
#include "errors/dialogs/ErrorDialogs.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "ui/AboutPage.h"
#include "ui/ApplicationBasedPropSheetHelpProvider.h"
#include "ui/ControlPage.h"
#include "ui/DisplayOptionsPage.h"
#include "ui/DropsOptionsPage.h"
#include "ui/LightningOptionsPage.h"
#include "ui/LiveRainPreview.h"
#include "ui/PropertyPagesSheet.h"
#include "ui/RainPreviewWidget.h"
#include "ui/SoundOptionsPage.h"
#include "ui/UiTexts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <optional>

extern "C" const unsigned char pluvo_english_translation_begin[];
extern "C" const unsigned char pluvo_english_translation_end[];

namespace SettingsDialog {

void addPages(PropertyPagesSheet& sheet, ScreenSaverOptionsStorage& options, bool soundAvailable,
              LiveRainPreview* preview) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("SettingsDialog", text);
    };
    sheet.addPage({tr("关于"), [](IPropertyPageHost& host) {
                       return std::unique_ptr<PropertyPageBase>(std::make_unique<AboutPage>(host));
                   }});
    if (preview != nullptr) {
        sheet.setSideWidget(preview->widget());
    }
    sheet.addPage({tr("雨滴"), [&options, preview](IPropertyPageHost& host) {
                       auto page = std::make_unique<DropsOptionsPage>(host, options);
                       if (preview != nullptr) {
                           preview->follow(*page);
                       }
                       return std::unique_ptr<PropertyPageBase>(std::move(page));
                   }});
    ILightningOptionsStorage& lightning = options;
    sheet.addPage(PropertyPageDescriptor::of<LightningOptionsPage>(tr("闪电"), lightning));
    sheet.addPage({tr("显示"), [&options](IPropertyPageHost& host) {
                       return std::unique_ptr<PropertyPageBase>(
                           std::make_unique<DisplayOptionsPage>(
                               host, options.displayModeSelectionModel(), options.wallpaperList()));
                   }});
    sheet.addPage({tr("声音"), [&options, soundAvailable](IPropertyPageHost& host) {
                       return std::unique_ptr<PropertyPageBase>(
                           std::make_unique<SoundOptionsPage>(host, options, soundAvailable));
                   }});
    sheet.addPage(PropertyPageDescriptor::of<ControlPage>(tr("控制"), options.controlOptions()));
}

void installTranslation() {
    static QTranslator english;
    static QTranslator qtTexts;
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::removeTranslator(&qtTexts);
    if (QLocale().language() == QLocale::Chinese) {
        if (qtTexts.load(QLocale(), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qtTexts);
        }
        return;
    }
    const auto size =
        static_cast<int>(pluvo_english_translation_end - pluvo_english_translation_begin);
    if (english.load(pluvo_english_translation_begin, size)) {
        QCoreApplication::installTranslator(&english);
    }
}

void run(ScreenSaverOptionsStorage& options, bool soundAvailable, int32_t /*parentWindow*/) {
    // Qt would end the process on a display it cannot open; the user gets our message instead.
    if (QApplication::instance() == nullptr && !ErrorDialogs::canShow()) {
        throw DX5::NoDirectX5Error("no X display could be opened for the settings");
    }
    int argumentCount = 1;
    char programName[] = "pluvo";
    char* arguments[] = {programName, nullptr};
    std::optional<QApplication> application;
    if (QApplication::instance() == nullptr) {
        application.emplace(argumentCount, arguments);
    }
    installTranslation();
    ApplicationBasedPropSheetHelpProvider help;
    LiveRainPreview preview(options);
    PropertyPagesSheet sheet(nullptr, UiTexts::applicationTitle(), &help);
    addPages(sheet, options, soundAvailable, &preview);
    sheet.run();
}

} // namespace SettingsDialog
