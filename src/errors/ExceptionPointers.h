#pragma once

#include "errors/RegisterContext.h"

#include <cstdint>

// What the signal told about a processor fault.
struct ExceptionRecord {
    uint32_t code = 0;
    uintptr_t address = 0; // the faulting instruction
    int signal = 0;
    int signalCode = 0;        // si_code
    uintptr_t dataAddress = 0; // si_addr: the memory access that failed, for memory faults
};

// The fault and the registers at the moment of it. Held as copies: the signal frame they come
// from is gone as soon as the error is thrown out of the handler.
struct ExceptionPointers {
    ExceptionRecord exceptionRecord;
    RegisterContext contextRecord;
};
