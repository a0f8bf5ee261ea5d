#pragma once

#include "errors/BasicError.h"
#include "errors/MemoryStatus.h"

#include <string>

// An error that carries what a support engineer needs besides the message: the call stack at
// the moment it was raised, and how much memory there was.
class VerboseError : public BasicError {
public:
    // framesToSkip: how many callers above the constructor to leave out of the call stack (a
    // derived error whose own constructor builds this one passes 1). With 0 the stack starts
    // at the return address into the code that raised the error.
    explicit VerboseError(std::string message, int framesToSkip = 0);

    const std::string& details() const { return details_; }
    const MemoryStatus& memoryStatus() const { return memoryStatus_; }

    // Whether new errors walk the call stack and read the memory status; on unless turned off.
    // The fuzzers raise thousands of errors a second and never show one: the walk and the reads
    // would take most of their time.
    static void setDiagnosticsCollected(bool collected);

protected:
    // For errors that describe their diagnostics themselves (processor faults).
    VerboseError(std::string message, std::string details);

private:
    std::string details_;
    MemoryStatus memoryStatus_;
};
