#pragma once

#include "errors/RegisterContext.h"

#include <cstdint>

// What the system told about a processor fault: on POSIX a signal, its code and address.
struct ExceptionRecord {
    uint32_t code = 0;
    uintptr_t address = 0; // the faulting instruction
    int signal = 0;
    int signalCode = 0;        // the system's finer cause (si_code on POSIX)
    uintptr_t dataAddress = 0; // the memory access that failed, for memory faults
};

// The fault and the registers at the moment of it. Held as copies: the frame the system gave
// them in is gone as soon as the error is thrown out of the handler.
struct ExceptionPointers {
    ExceptionRecord exceptionRecord;
    RegisterContext contextRecord;
};
