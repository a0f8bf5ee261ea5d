#include "backends/user32/uninstaller/WizardDialog.h"

#include "backends/user32/DialogWindow.h"
#include "backends/win32/WideText.h"
#include "installer/InstallerTexts.h"

namespace User32 {

namespace {

constexpr const wchar_t* templateName = L"InstallerWizardDialog";
constexpr const wchar_t* layoutTemplateName = L"InstallerInteriorPageGuiLayout";
constexpr const wchar_t* iconName = L"IDI_INSTALLER_WIZARD_ICON";

INT_PTR CALLBACK layoutProcedure(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? FALSE : 0;
}

HICON loadIcon(int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), iconName, IMAGE_ICON, size, size, 0));
}

} // namespace

WizardDialog::WizardDialog(std::vector<PageFactory> pages, std::string title)
    : pages_(std::move(pages)), title_(std::move(title)) {}

INT_PTR WizardDialog::run() {
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), templateName, nullptr,
                                           procedure, reinterpret_cast<LPARAM>(this));
    if (error_) {
        std::rethrow_exception(error_);
    }
    return result;
}

// Errors must not pass through the system's dialog code: the first one ends the dialog and is
// thrown again once the dialog is gone.
INT_PTR CALLBACK WizardDialog::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    WizardDialog* wizard = DialogWindow::ownerOf<WizardDialog>(dialog, message, lParam);
    if (wizard == nullptr) {
        return FALSE;
    }
    try {
        if (message == WM_INITDIALOG) {
            wizard->open(dialog);
            return FALSE;
        }
        return wizard->handle(message, wParam);
    } catch (...) {
        wizard->error_ = std::current_exception();
        wizard->close();
        EndDialog(dialog, cancelled);
        return TRUE;
    }
}

INT_PTR WizardDialog::handle(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case nextButton:
            pressNext();
            return TRUE;
        case backButton:
            goBack();
            return TRUE;
        case IDCANCEL:
            // Escape comes here too, and does nothing while the button is disabled.
            if (IsWindowEnabled(GetDlgItem(dialog_, IDCANCEL))) {
                cancel();
            }
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:
        // The window's close box asks even while the work runs and Cancel is disabled.
        cancel();
        return TRUE;
    case WM_DESTROY:
        close();
        return FALSE;
    default:
        return FALSE;
    }
}

void WizardDialog::open(HWND dialog) {
    dialog_ = dialog;
    SetWindowTextW(dialog_, Win32::wide(title_).c_str());
    setIcons();
    layout_ = DialogWindow::createChild(layoutTemplateName, dialog_, layoutProcedure, 0);
    DialogWindow::placeOver(layout_, dialog_, pagePlaceholder);
    header_ = std::make_unique<WizardHeader>(layout_);
    DialogWindow::placeOver(header_->window(), layout_, headerPlaceholder);
    showCurrentPage();
}

// The page goes while the dialog is whole: it may still have to wait for its work.
void WizardDialog::close() {
    page_.reset();
    header_.reset();
}

void WizardDialog::setIcons() {
    SendMessageW(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(loadIcon(SM_CXICON)));
    SendMessageW(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(loadIcon(SM_CXSMICON)));
}

void WizardDialog::enableNext(bool enabled) {
    EnableWindow(GetDlgItem(dialog_, nextButton), enabled);
}

void WizardDialog::enableBack(bool enabled) {
    EnableWindow(GetDlgItem(dialog_, backButton), enabled);
}

void WizardDialog::enableCancel(bool enabled) {
    EnableWindow(GetDlgItem(dialog_, IDCANCEL), enabled);
}

void WizardDialog::setNextCaption(const std::string& caption) {
    DialogWindow::setItemText(dialog_, nextButton, caption);
}

void WizardDialog::pressNext() {
    if (cancelPending_) {
        end(cancelled);
        return;
    }
    if (!page_->mayLeave()) {
        return;
    }
    if (!hasNext()) {
        end(finished);
        return;
    }
    ++current_;
    showCurrentPage();
}

void WizardDialog::showCurrentPage() {
    page_.reset();
    page_ = pages_[current_](layout_, *this);
    DialogWindow::placeOver(page_->window(), layout_, pagePlaceholder);
    header_->show(page_->title(), page_->description());
    enableNext(true);
    enableBack(true);
    enableCancel(true);
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog_, nextButton)),
                 TRUE);
    setNextCaption(Installer::text(hasNext() ? Installer::Text::next : Installer::Text::finish));
    page_->activate();
}

void WizardDialog::goBack() {
    if (current_ > 0) {
        --current_;
    }
    showCurrentPage();
}

void WizardDialog::cancel() {
    if (asking_ || cancelPending_ || !userConfirmsCancel() || ended_) {
        return;
    }
    // Work still running would outlive its page: it is stopped first, and its end presses Next.
    if (page_ && page_->interruptWork()) {
        cancelPending_ = true;
        return;
    }
    end(cancelled);
}

bool WizardDialog::userConfirmsCancel() {
    asking_ = true;
    const int answer = MessageBoxW(
        dialog_, Win32::wide(Installer::text(Installer::Text::interruptQuestion, title_)).c_str(),
        Win32::wide(title_).c_str(), MB_YESNO | MB_ICONWARNING);
    asking_ = false;
    return answer == IDYES;
}

// The wizard may end while the question to cancel is still open; the answer then comes too late.
void WizardDialog::end(INT_PTR result) {
    ended_ = true;
    EndDialog(dialog_, result);
}

} // namespace User32
