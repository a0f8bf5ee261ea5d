#include "errors/Thread.h"

#include "errors/FaultTranslator.h"

void Thread::BasicErrorTrap::rethrow() const {
    throw BasicError(message_);
}

std::string Thread::VerboseErrorTrap::errorText() const {
    return std::string(error_.what()) + "\n" + error_.details() + "\n";
}

void Thread::VerboseErrorTrap::rethrow() const {
    throw VerboseError(error_);
}

Thread::~Thread() {
    waitForThread();
}

void Thread::startThread() {
    waitForThread();
    running_ = true;
    thread_ = std::thread(&Thread::threadEntry, this);
}

void Thread::waitForThread() {
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) {
        thread_.join();
    }
}

bool Thread::isRunning() const {
    return running_;
}

void Thread::threadEntry() {
    // The signal handlers are the process's, but the stack they run on belongs to each thread.
    const FaultTranslator translator;
    int result = -1;
    try {
        result = runThread();
    } catch (...) {
        captureCurrentError();
    }
    exitCode_ = result;
    running_ = false;
    threadFinished();
}

void Thread::captureCurrentError() {
    try {
        throw;
    } catch (const VerboseError& error) {
        trap_ = std::make_unique<VerboseErrorTrap>(error);
    } catch (const std::exception& error) {
        // BasicError included: its text is its what().
        trap_ = std::make_unique<BasicErrorTrap>(error.what());
    } catch (...) {
        trap_ = std::make_unique<BasicErrorTrap>(unknownErrorText);
    }
}
