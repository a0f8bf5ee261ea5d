#include "errors/VerboseError.h"

#include "errors/CallStack.h"

#include <cstdint>

// Out of line on purpose: the return address is what anchors the call stack, and an inlined
// constructor would have none of its own.
VerboseError::VerboseError(std::string message, int framesToSkip)
    : BasicError(std::move(message)),
      details_(callStackTextFrom(reinterpret_cast<uintptr_t>(__builtin_return_address(0)),
                                 framesToSkip)),
      memoryStatus_(currentMemoryStatus()) {}

VerboseError::VerboseError(std::string message, std::string details)
    : BasicError(std::move(message)), details_(std::move(details)),
      memoryStatus_(currentMemoryStatus()) {}
