#include "errors/VerboseError.h"

#include "errors/CallStack.h"

#include <atomic>
#include <cstdint>

namespace {

std::atomic<bool> diagnosticsCollected{true};

std::string callStackOrNothing(uintptr_t returnAddress, int framesToSkip) {
    return diagnosticsCollected ? callStackTextFrom(returnAddress, framesToSkip) : std::string();
}

MemoryStatus memoryStatusOrNothing() {
    return diagnosticsCollected ? currentMemoryStatus() : MemoryStatus{};
}

} // namespace

void VerboseError::setDiagnosticsCollected(bool collected) {
    diagnosticsCollected = collected;
}

// Out of line on purpose: the return address is what anchors the call stack, and an inlined
// constructor would have none of its own.
VerboseError::VerboseError(std::string message, int framesToSkip)
    : BasicError(std::move(message)),
      details_(callStackOrNothing(reinterpret_cast<uintptr_t>(__builtin_return_address(0)),
                                  framesToSkip)),
      memoryStatus_(memoryStatusOrNothing()) {}

VerboseError::VerboseError(std::string message, std::string details)
    : BasicError(std::move(message)), details_(std::move(details)),
      memoryStatus_(memoryStatusOrNothing()) {}
