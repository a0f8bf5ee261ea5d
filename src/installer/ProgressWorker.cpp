#include "installer/ProgressWorker.h"

#include <thread>

namespace Installer {

namespace {

constexpr int stepsPerAction = 100;

} // namespace

ProgressWorker::ProgressWorker(const IScript& script, IProgressView& view,
                               std::function<void()> finished, std::chrono::milliseconds pause)
    : script_(script), view_(view), finished_(std::move(finished)), pause_(pause) {}

ProgressWorker::~ProgressWorker() {
    waitForThread();
}

int ProgressWorker::runThread() {
    // The copies go with this scope, on the error path too.
    const ActionList actions = script_.actions();
    done_ = 0;
    view_.setRange(0, static_cast<int>(actions.size()) * stepsPerAction);
    for (const auto& action : actions) {
        if (stopRequested_) {
            stoppedEarly_ = true;
            return 0;
        }
        action->execute(*this);
        advance(1.0f);
        ++done_;
    }
    std::this_thread::sleep_for(pause_);
    return 0;
}

void ProgressWorker::threadFinished() {
    if (finished_) {
        finished_();
    }
}

void ProgressWorker::advance(float steps) {
    view_.setPosition(static_cast<int>((static_cast<float>(done_) + steps) * stepsPerAction));
}

void ProgressWorker::setText(const std::string& text) {
    view_.setActionText(text);
}

} // namespace Installer
