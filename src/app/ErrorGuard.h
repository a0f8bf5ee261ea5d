#pragma once

#include "app/GraphicsVersion.h"
#include "app/Reporter.h"
#include "app/SilentErrors.h"

#include <exception>
#include <functional>
#include <string>

// "Sorry: " followed by the error's text and a full stop.
std::string sorryText(const std::exception& error);
// The text for an error that is not a standard exception.
std::string unknownErrorText();

// The program's exit statuses: a failure must reach the programs that start a saver.
inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1;

// Catches whatever escapes the program's work and reports it once, first match winning:
// silent errors only leave a line in the log, VerboseErrors get the detailed report, other
// standard exceptions the sorry text, anything else the unknown-error text.
class ErrorGuard {
public:
    ErrorGuard(Reporter& reporter, GraphicsProbe probeDirectX,
               SilentErrorTest isSilent = isSilentError);

    // The title of the reports; known only once start-up has read the string table.
    void setProductCaption(std::string caption) { productCaption_ = std::move(caption); }

    // exitSuccess when work ran to its end; exitFailure when an error escaped it (and was
    // reported).
    int run(const std::function<void()>& work);

    // Reports one error as run() does; also for errors that end the program elsewhere.
    void report(const std::exception_ptr& error) noexcept;

private:
    void reportStandardError(const std::exception& error);
    // The last resort when building a report fails in turn: the bare text.
    void reportPlainly(const std::string& text) noexcept;

    Reporter& reporter_;
    GraphicsProbe probeDirectX_;
    SilentErrorTest isSilent_;
    std::string productCaption_;
};
