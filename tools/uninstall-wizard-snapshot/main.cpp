// Renders the uninstall wizard's progress page without a display, in the middle of a run that
// removes a few temporary files, and writes it as a PNG picture for the documentation.
//
// Usage: uninstall-wizard-snapshot OUTPUT.png
#include "backends/qt/uninstaller/DialogErrorReporter.h"
#include "backends/qt/uninstaller/UninstallerWizard.h"
#include "backends/qt/uninstaller/WizardDialog.h"
#include "installer/DefaultUninstallerScript.h"
#include "installer/RemoveFileAction.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

namespace {

namespace fs = std::filesystem;

// Removes its file like the script's own action, then has the picture taken on the wizard's
// thread while the page shows it at work.
class PhotographedRemoval : public Installer::IUninstallationAction {
public:
    PhotographedRemoval(std::string path, std::function<void()> photograph)
        : removal_(std::move(path)), photograph_(std::move(photograph)) {}

    void execute(Installer::IProgressIndicator& progress) override {
        removal_.execute(progress);
        progress.advance(0.5f);
        QMetaObject::invokeMethod(qApp, photograph_, Qt::BlockingQueuedConnection);
    }
    std::unique_ptr<Installer::IUninstallationAction> clone() const override {
        return std::make_unique<PhotographedRemoval>(removal_.path(), photograph_);
    }

private:
    Installer::RemoveFileAction removal_;
    std::function<void()> photograph_;
};

// The files of an install in a temporary folder, named as the installed ones are.
std::vector<std::string> makeInstalledFiles(const fs::path& prefix) {
    const char* names[] = {"bin/pluvo", "share/man/man6/pluvo.6.gz",
                           "share/applications/screensavers/pluvo.desktop",
                           "share/xscreensaver/config/pluvo.xml", "share/pluvo/uninstall.script"};
    std::vector<std::string> paths;
    for (const char* name : names) {
        const fs::path path = prefix / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "installed\n";
        paths.push_back(path.string());
    }
    return paths;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    const fs::path prefix = fs::temp_directory_path() / "pluvo-wizard-snapshot/usr/local";
    const std::vector<std::string> paths = makeInstalledFiles(prefix);

    std::unique_ptr<Installer::WizardDialog> dialog;
    bool saved = false;
    const auto photograph = [&] {
        saved = dialog->grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
    };
    Installer::ActionList actions;
    for (std::size_t index = 0; index < paths.size(); ++index) {
        if (index == 2) {
            actions.push_back(std::make_unique<PhotographedRemoval>(paths[index], photograph));
        } else {
            actions.push_back(std::make_unique<Installer::RemoveFileAction>(paths[index]));
        }
    }
    Installer::DefaultUninstallerScript script("", "", std::move(actions));
    Installer::DialogErrorReporter reporter;
    const std::string title = "Pluvo Screen Saver 2.2.17";
    const auto wizard = Installer::makeUninstallerWizard(
        {script, title, "PR: " + title, reporter, std::chrono::milliseconds(0)});
    dialog = std::make_unique<Installer::WizardDialog>(*wizard, title);
    dialog->adjustSize();
    dialog->exec();
    dialog.reset();
    fs::remove_all(prefix.parent_path().parent_path());
    if (!saved) {
        std::fprintf(stderr, "uninstall-wizard-snapshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
