#include "backends/user32/uninstaller/ProgressPage.h"

#include "backends/user32/DialogWindow.h"
#include "installer/InstallerTexts.h"

#include <commctrl.h>

namespace User32 {

namespace {

constexpr const wchar_t* templateName = L"InstallerDefaultProgressPageDialog";

} // namespace

ProgressPage::ProgressPage(HWND parent, Installer::IWizardPageGUIHost& host, const Setup& setup)
    : host_(host), setup_(setup),
      window_(DialogWindow::createChild(templateName, parent, procedure,
                                        reinterpret_cast<LPARAM>(this))) {
    DialogWindow::setItemText(window_, actionField, "");
}

ProgressPage::~ProgressPage() {
    waitForRunToEnd();
    DestroyWindow(window_);
}

std::string ProgressPage::title() const {
    return Installer::text(Installer::Text::progressTitle);
}

std::string ProgressPage::description() const {
    return Installer::text(Installer::Text::progressDescription);
}

void ProgressPage::activate() {
    host_.enableNext(false);
    host_.enableBack(false);
    host_.enableCancel(false);
    Installer::IProgressView& view = *this;
    worker_ = std::make_unique<Installer::ProgressWorker>(
        setup_.script, view, [this] { SendMessageW(window_, runEndedMessage, 0, 0); },
        setup_.finalPause);
    running_ = true;
    worker_->startThread();
}

bool ProgressPage::interruptWork() {
    if (!running_) {
        return false;
    }
    worker_->requestStop();
    return true;
}

// The worker's calls: a message sent to another thread's window waits until that thread has
// handled it, so each report has reached the page when the call returns.
void ProgressPage::setRange(int minimum, int maximum) {
    SendDlgItemMessageW(window_, bar, PBM_SETRANGE32, static_cast<WPARAM>(minimum),
                        static_cast<LPARAM>(maximum));
    SendDlgItemMessageW(window_, bar, PBM_SETPOS, static_cast<WPARAM>(minimum), 0);
}

void ProgressPage::setPosition(int position) {
    SendDlgItemMessageW(window_, bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void ProgressPage::setActionText(const std::string& text) {
    DialogWindow::setItemText(window_, actionField, text);
}

void ProgressPage::finishRun() {
    if (worker_->hasError() || worker_->stopped()) {
        setup_.script.setFailed(true);
    }
    if (worker_->hasError() && !closing_) {
        reportError(*worker_->trap());
    }
    running_ = false;
    if (!closing_) {
        host_.pressNext();
    }
}

void ProgressPage::reportError(const Thread::IExceptionTrap& trap) {
    Installer::reportWorkerError(trap, setup_.reporter, setup_.title, setup_.systemInformation);
}

// The worker may be waiting for this thread to take a report: the messages sent to it are
// handled here until the end of the run has come through, without touching the host.
void ProgressPage::waitForRunToEnd() {
    if (!running_) {
        return;
    }
    closing_ = true;
    worker_->requestStop();
    while (running_) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        Sleep(1);
    }
    worker_->waitForThread();
}

INT_PTR CALLBACK ProgressPage::procedure(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    ProgressPage* page = DialogWindow::ownerOf<ProgressPage>(dialog, message, lParam);
    if (message == runEndedMessage && page != nullptr) {
        page->finishRun();
        return TRUE;
    }
    return FALSE;
}

} // namespace User32
