// Draws every page of the settings dialog, with a new user's options, into PNG files for docs/:
// settings-snapshot FOLDER LOCALE (e.g. zh_CN or en_US). Runs on Qt's offscreen platform, where
// no display lists modes: the Display page shows three of a typical screen, the middle one chosen.
#include "backends/qt/settings/ApplicationBasedPropSheetHelpProvider.h"
#include "backends/qt/settings/LiveRainPreview.h"
#include "backends/qt/settings/PropertyPagesSheet.h"
#include "backends/qt/settings/RainPreviewWidget.h"
#include "backends/qt/settings/SettingsDialog.h"
#include "options/IDisplayDevice.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

namespace {

class TypicalScreen : public IDisplayDevice {
public:
    void enumerateModes(RefreshRates, const ModeVisitor& visit) override {
        for (const Mode& mode :
             {Mode{32, 1920, 1080, 0}, Mode{32, 1280, 720, 0}, Mode{16, 1024, 768, 0}}) {
            visit(mode);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings-snapshot FOLDER LOCALE\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QString::fromUtf8(argv[2])));
    SettingsDialog::installTranslation();
    TypicalScreen screen;
    setCurrentDisplayDevice(&screen);
    ScreenSaverOptionsStorage options;
    DirectXDisplayModeSelectionModel& modes = options.displayModeSelectionModel();
    modes.setUseCurrentMode(false);
    modes.selectMode(modes.availableModes()[1]);
    ApplicationBasedPropSheetHelpProvider help;
    LiveRainPreview preview(options);
    PropertyPagesSheet sheet(nullptr, "Pluvo Screen Saver 2.2.17", &help);
    SettingsDialog::addPages(sheet, options, true, &preview);
    // Some rain on the glass before the pictures are taken.
    QElapsedTimer raining;
    raining.start();
    while (raining.elapsed() < 4000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    sheet.show();
    const char* names[] = {"about", "drops", "lightning", "display", "sound", "control"};
    const QDir folder(QString::fromUtf8(argv[1]));
    for (int index = 0; index < 6; ++index) {
        sheet.showPage(index);
        QApplication::processEvents();
        const QString file =
            folder.filePath(QString("settings-%1-%2.png").arg(names[index], argv[2]));
        if (!sheet.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
