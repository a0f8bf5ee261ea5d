#include "errors/dialogs/ErrorDialogs.h"

#include "errors/dialogs/VerboseErrorDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <X11/Xlib.h>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sys/syscall.h>
#include <unistd.h>

namespace ErrorDialogs {

namespace {

bool onMainThread() {
    return syscall(SYS_gettid) == getpid();
}

// Qt ends the process when the display it is told to use cannot be opened, so it is asked first.
bool xDisplayReachable() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        return false;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

// The application the dialog needs, made only when the process has none.
class DialogApplication {
public:
    DialogApplication() {
        if (QApplication::instance() == nullptr) {
            application_.emplace(argumentCount_, arguments_);
        }
    }

private:
    int argumentCount_ = 1;
    char programName_[6] = "pluvo";
    char* arguments_[2] = {programName_, nullptr};
    std::optional<QApplication> application_;
};

} // namespace

bool canShow() {
    if (!onMainThread()) {
        return false;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return (platform != nullptr && *platform != '\0') || xDisplayReachable();
}

void showDetailedReport(const std::string& title, const std::string& message,
                        const std::string& reportText) {
    const DialogApplication application;
    VerboseErrorDialog dialog(QString::fromStdString(title), QString::fromStdString(message),
                              QString::fromStdString(reportText));
    dialog.exec();
}

void showErrorMessage(const std::string& title, const std::string& text) {
    const DialogApplication application;
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

} // namespace ErrorDialogs
