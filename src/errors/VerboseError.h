#pragma once

#include "errors/BasicError.h"

#include <cstdint>
#include <string>

// The eight figures of the memory-status snapshot, in bytes apart from the first two.
struct MemoryStatus {
    uint32_t length = 32;
    uint32_t memoryLoad = 0; // percent of physical memory in use
    uint64_t totalPhysical = 0;
    uint64_t availablePhysical = 0;
    uint64_t totalPageFile = 0;
    uint64_t availablePageFile = 0;
    uint64_t totalVirtual = 0;
    uint64_t availableVirtual = 0;
};

// An error that carries what a support engineer needs besides the message: the call stack at
// the moment it was raised, and how much memory there was.
class VerboseError : public BasicError {
public:
    // framesToSkip: how many callers above the constructor to leave out of the call stack (a
    // derived error whose own constructor builds this one passes 1).
    explicit VerboseError(std::string message, int framesToSkip = 0);

    const std::string& details() const { return details_; }
    const MemoryStatus& memoryStatus() const { return memoryStatus_; }

protected:
    // For errors that describe their diagnostics themselves (processor faults).
    VerboseError(std::string message, std::string details);

private:
    std::string details_;
    MemoryStatus memoryStatus_;
};
