#pragma once

#include "errors/VerboseError.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

// The base of the program's worker threads. The work runs on a new thread with processor faults
// translated into errors, as on the main thread; whatever error leaves the work is kept as a trap
// that the owner inspects, or throws again on its own thread, once the work has ended. No error
// ever escapes the worker thread.
class Thread {
public:
    // An error caught on the worker, kept for the owner's thread.
    class IExceptionTrap {
    public:
        virtual ~IExceptionTrap() = default;
        virtual std::string errorText() const = 0;
        // Throws the captured error on the calling thread.
        [[noreturn]] virtual void rethrow() const = 0;
    };

    class BasicErrorTrap : public IExceptionTrap {
    public:
        explicit BasicErrorTrap(std::string message) : message_(std::move(message)) {}
        std::string errorText() const override { return message_; }
        [[noreturn]] void rethrow() const override;

    private:
        std::string message_;
    };

    class VerboseErrorTrap : public IExceptionTrap {
    public:
        explicit VerboseErrorTrap(const VerboseError& error) : error_(error) {}
        // Message and details, each ended by a line feed.
        std::string errorText() const override;
        [[noreturn]] void rethrow() const override;

    private:
        VerboseError error_;
    };

    static constexpr const char* unknownErrorText = "Unknown exception in a worker thread.";

    Thread() = default;
    // Waits for a work still running: the work may use the object until it has ended.
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    void startThread();
    // Blocks until the work has ended (threadFinished included); returns at once when it never
    // started or was waited for already.
    void waitForThread();

    bool isRunning() const;
    // The work's result: its return value, or -1 when an error ended it.
    int exitCode() const { return exitCode_; }
    bool hasError() const { return trap_ != nullptr; }
    // Read on the owner's thread after the work has ended; null without an error.
    const IExceptionTrap* trap() const { return trap_.get(); }

protected:
    // The work, on the worker thread.
    virtual int runThread() = 0;
    // Called on the worker thread after the work has ended, normally or by an error.
    virtual void threadFinished() {}

private:
    void threadEntry();
    void captureCurrentError();

    std::thread thread_;
    std::atomic<bool> running_{false};
    std::unique_ptr<IExceptionTrap> trap_;
    int exitCode_ = 0;
};
