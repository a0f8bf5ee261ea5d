#pragma once

#include "backends/qt/uninstaller/WizardPage.h"
#include "installer/IErrorReporter.h"
#include "installer/IScript.h"
#include "installer/IWizardPageGUIHost.h"
#include "installer/ProgressWorker.h"

#include <chrono>
#include <memory>
#include <string>

class QLabel;
class QProgressBar;

namespace Installer {

// The page that runs the script: the action in progress and a bar, fed by a worker thread whose
// every report reaches this page's thread and returns only when the page has taken it. When the
// worker has ended, an error it met is reported and Next is pressed for the user.
class ProgressPage : public WizardPage, private IProgressView {
public:
    struct Setup {
        IScript& script;
        // The caption of the error report.
        std::string title;
        // The head of the detailed error report.
        std::string systemInformation;
        IErrorReporter& reporter;
        std::chrono::milliseconds finalPause = ProgressWorker::finalPause;
    };

    ProgressPage(IWizardPageGUIHost& host, const Setup& setup);
    // A run still going is stopped after its action in progress and waited for.
    ~ProgressPage() override;

    std::string title() const override;
    std::string description() const override;
    void activate() override;
    bool mayLeave() override { return !running_; }
    bool interruptWork() override;

    QString actionText() const;
    const QProgressBar& bar() const { return *bar_; }

private:
    void setRange(int minimum, int maximum) override;
    void setPosition(int position) override;
    void setActionText(const std::string& text) override;

    template <typename Call> void callOnPageThread(Call call);
    void finishRun();
    void reportError(const Thread::IExceptionTrap& trap);
    void waitForRunToEnd();

    IWizardPageGUIHost& host_;
    Setup setup_;
    QLabel* actionText_;
    QProgressBar* bar_;
    std::unique_ptr<ProgressWorker> worker_;
    // From the start of the run until its end has been handled on this page's thread.
    bool running_ = false;
    bool closing_ = false;
};

} // namespace Installer
