#pragma once

#include "errors/Thread.h"
#include "installer/IScript.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

namespace Installer {

// What the progress page shows; called on the worker thread, so each call must reach the page's
// own thread and return only when the page has taken it.
class IProgressView {
public:
    virtual ~IProgressView() = default;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual void setActionText(const std::string& text) = 0;
};

// Runs a copy of the script's actions in order on a worker thread, reporting to the view: the
// bar counts a hundred for each action. The first error ends the run and is kept in the trap.
// After the last action it waits a moment so the full bar can be seen; then, or after an error,
// it calls finished on the worker thread.
class ProgressWorker : public Thread, private IProgressIndicator {
public:
    static constexpr std::chrono::milliseconds finalPause{1000};

    ProgressWorker(const IScript& script, IProgressView& view, std::function<void()> finished,
                   std::chrono::milliseconds pause = finalPause);
    ~ProgressWorker() override;

    // Ends the run after the action in progress; the run then counts as failed.
    void requestStop() { stopRequested_ = true; }
    bool stopped() const { return stoppedEarly_; }

private:
    int runThread() override;
    void threadFinished() override;
    void advance(float steps) override;
    void setText(const std::string& text) override;

    const IScript& script_;
    IProgressView& view_;
    std::function<void()> finished_;
    std::chrono::milliseconds pause_;
    int done_ = 0;
    std::atomic<bool> stopRequested_{false};
    bool stoppedEarly_ = false;
};

} // namespace Installer
