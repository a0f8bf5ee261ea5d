#include "backends/qt/uninstaller/QtUninstallerUi.h"

#include "backends/qt/uninstaller/UninstallerWizard.h"
#include "backends/qt/uninstaller/WizardDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace Installer {

namespace {

QMessageBox::Icon boxIcon(IUninstallerUi::Icon icon) {
    switch (icon) {
    case IUninstallerUi::Icon::Warning:
        return QMessageBox::Warning;
    case IUninstallerUi::Icon::Question:
        return QMessageBox::Question;
    case IUninstallerUi::Icon::Error:
        return QMessageBox::Critical;
    case IUninstallerUi::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

QtUninstallerUi::QtUninstallerUi(std::string systemInformation)
    : systemInformation_(std::move(systemInformation)), reporter_(dialogReporter_) {}

QtUninstallerUi::QtUninstallerUi(std::string systemInformation, IErrorReporter& reporter)
    : systemInformation_(std::move(systemInformation)), reporter_(reporter) {}

QtUninstallerUi::~QtUninstallerUi() = default;

void QtUninstallerUi::showMessage(const std::string& text, const std::string& caption, Icon icon) {
    ensureApplication();
    QMessageBox box(boxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    execWithFocus(box);
}

bool QtUninstallerUi::askYesNo(const std::string& text, const std::string& caption) {
    ensureApplication();
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return execWithFocus(box) == QMessageBox::Yes;
}

void QtUninstallerUi::runWizard(IUninstallerScript& script, const std::string& title) {
    ensureApplication();
    const std::unique_ptr<Wizard> wizard =
        makeUninstallerWizard({script, title, systemInformation_, reporter_});
    WizardDialog dialog(*wizard, title);
    execWithFocus(dialog);
}

int QtUninstallerUi::execWithFocus(QDialog& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
    return dialog.exec();
}

void QtUninstallerUi::ensureApplication() {
    if (QApplication::instance() == nullptr) {
        application_ = std::make_unique<QApplication>(argumentCount_, arguments_);
    }
}

} // namespace Installer
