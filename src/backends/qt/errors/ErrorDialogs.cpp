#include "backends/qt/errors/ErrorDialogs.h"

#include "backends/qt/errors/VerboseErrorDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>
#include <optional>

namespace ErrorDialogs {

namespace {

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
