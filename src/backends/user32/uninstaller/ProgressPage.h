#pragma once

#include "backends/user32/uninstaller/WizardPage.h"
#include "installer/IErrorReporter.h"
#include "installer/IScript.h"
#include "installer/IWizardPageGUIHost.h"
#include "installer/ProgressWorker.h"

#include <chrono>
#include <memory>
#include <string>

namespace User32 {

// The page that runs the script: the action in progress and a bar, fed by a worker thread
// through synchronous messages to the page's controls. When the worker has ended, an error it
// met is reported and Next is pressed for the user.
class ProgressPage : public WizardPage, private Installer::IProgressView {
public:
    static constexpr int actionField = 1002;
    static constexpr int bar = 1005;
    // Sent by the worker when its run has ended.
    static constexpr UINT runEndedMessage = WM_USER + 1;

    struct Setup {
        Installer::IScript& script;
        // The caption of the error report.
        std::string title;
        // The head of the detailed error report.
        std::string systemInformation;
        Installer::IErrorReporter& reporter;
        std::chrono::milliseconds finalPause = Installer::ProgressWorker::finalPause;
    };

    ProgressPage(HWND parent, Installer::IWizardPageGUIHost& host, const Setup& setup);
    // A run still going is stopped after its action in progress and waited for.
    ~ProgressPage() override;
    ProgressPage(const ProgressPage&) = delete;
    ProgressPage& operator=(const ProgressPage&) = delete;

    HWND window() const override { return window_; }
    std::string title() const override;
    std::string description() const override;
    void activate() override;
    bool mayLeave() override { return !running_; }
    bool interruptWork() override;

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    void setRange(int minimum, int maximum) override;
    void setPosition(int position) override;
    void setActionText(const std::string& text) override;

    void finishRun();
    void reportError(const Thread::IExceptionTrap& trap);
    void waitForRunToEnd();

    Installer::IWizardPageGUIHost& host_;
    Setup setup_;
    HWND window_ = nullptr;
    std::unique_ptr<Installer::ProgressWorker> worker_;
    // From the start of the run until its end has been handled on this page's thread.
    bool running_ = false;
    bool closing_ = false;
};

} // namespace User32
