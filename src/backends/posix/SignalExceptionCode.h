#pragma once

#include <cstdint>

namespace Posix {

// The code for a fault signal and its si_code. A segmentation fault close to the stack pointer
// is taken for a stack overflow, which is why the data address and stack pointer are needed.
uint32_t exceptionCodeForSignal(int signal, int signalCode, uintptr_t dataAddress,
                                uintptr_t stackPointer);

} // namespace Posix
