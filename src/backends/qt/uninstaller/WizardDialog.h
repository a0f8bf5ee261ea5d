#pragma once

#include "backends/qt/uninstaller/IWizard.h"
#include "installer/IWizardPageGUIHost.h"

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

class QMessageBox;
class QPushButton;
class QVBoxLayout;

namespace Installer {

// The wizard's window: the current page above a line and the buttons Back, Next (Finish on the
// last page) and Cancel. Finishing ends it with 1, a confirmed cancel with 2. A cancel confirmed
// while a page runs work asks the work to stop and ends the dialog once it has.
class WizardDialog : public QDialog, public IWizardPageGUIHost {
public:
    static constexpr int finished = 1;
    static constexpr int cancelled = 2;

    WizardDialog(IWizard& wizard, const std::string& title, QWidget* parent = nullptr);
    ~WizardDialog() override;

    void enableNext(bool enabled) override;
    void enableBack(bool enabled) override;
    void enableCancel(bool enabled) override;
    void setNextCaption(const std::string& caption) override;
    void pressNext() override;

    // The window's close, Escape and Cancel all come here: the user is asked first.
    void reject() override;

    WizardPage* currentPage() const { return page_.get(); }
    QPushButton& backButton() const { return *back_; }
    QPushButton& nextButton() const { return *next_; }
    QPushButton& cancelButton() const { return *cancel_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCurrentPage();
    void goBack();
    void end(int result);
    bool userConfirmsCancel();

    IWizard& wizard_;
    std::string title_;
    QVBoxLayout* pagePlaceholder_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* cancel_;
    std::unique_ptr<WizardPage> page_;
    QPointer<QMessageBox> confirmation_;
    bool cancelPending_ = false;
};

} // namespace Installer
