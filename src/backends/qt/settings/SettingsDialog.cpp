#include "backends/qt/settings/SettingsDialog.h"

#include "backends/qt/errors/ErrorDialogs.h"
#include "backends/qt/settings/AboutPage.h"
#include "backends/qt/settings/ApplicationBasedPropSheetHelpProvider.h"
#include "backends/qt/settings/ControlPage.h"
#include "backends/qt/settings/DisplayOptionsPage.h"
#include "backends/qt/settings/DropsOptionsPage.h"
#include "backends/qt/settings/LightningOptionsPage.h"
#include "backends/qt/settings/LiveRainPreview.h"
#include "backends/qt/settings/PropertyPagesSheet.h"
#include "backends/qt/settings/RainPreviewWidget.h"
#include "backends/qt/settings/SoundOptionsPage.h"
#include "backends/qt/settings/UiTexts.h"
#include "backends/x11/HostWindow.h"
#include "display/DX5Error.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <memory>
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

namespace {

// The window of the program that asked for the settings, with Qt's stand-in for it; nothing
// for 0, or for an id that names no window (that is said in one line).
struct Caller {
    std::unique_ptr<QWindow> window;
    QRect area;
};

std::optional<Caller> callerOf(int32_t parentWindow) {
    if (parentWindow == 0) {
        return std::nullopt;
    }
    const auto id = static_cast<unsigned long>(static_cast<uint32_t>(parentWindow));
    const std::optional<Pixels::PixelRect> area = X11::HostWindow::screenAreaOf(id);
    if (!area) {
        std::fprintf(stderr,
                     "pluvo: there is no window %lu to show the settings over; they open "
                     "on their own\n",
                     id);
        return std::nullopt;
    }
    return Caller{std::unique_ptr<QWindow>(QWindow::fromWinId(static_cast<WId>(id))),
                  QRect(area->left, area->top, area->width(), area->height())};
}

// Qt centres a dialog on a parent of its own only: over another program's window the sheet is
// placed here, whole on the screen.
void centreOn(const QRect& area, QWidget& sheet) {
    QRect placed = sheet.frameGeometry();
    placed.moveCenter(area.center());
    if (const QScreen* screen = QGuiApplication::screenAt(area.center())) {
        const QRect room = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() - placed.width() + 1));
        placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() - placed.height() + 1));
    }
    sheet.move(placed.topLeft());
}

} // namespace

void run(ScreenSaverOptionsStorage& options, bool soundAvailable, int32_t parentWindow) {
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
    // Made before the sheet, so that it outlives the sheet that stays above it.
    const std::optional<Caller> caller = callerOf(parentWindow);
    PropertyPagesSheet sheet(nullptr, UiTexts::applicationTitle(), &help);
    addPages(sheet, options, soundAvailable, &preview);
    if (caller) {
        sheet.winId(); // the sheet's own window, to be made the caller's modal transient
        sheet.windowHandle()->setTransientParent(caller->window.get());
        centreOn(caller->area, sheet);
    }
    sheet.run();
}

} // namespace SettingsDialog
