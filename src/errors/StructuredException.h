#pragma once

#include "errors/ExceptionPointers.h"
#include "errors/VerboseError.h"

#include <cstdint>
#include <string>

// A processor fault turned into an error, so that it is reported like any other. Its message
// names the fault and where it happened; its details hold the call stack, the registers and the
// words at the stack pointer.
class StructuredException : public VerboseError {
public:
    StructuredException(uint32_t exceptionCode, const ExceptionPointers& exceptionPointers);

    uint32_t exceptionCode() const { return exceptionCode_; }
    const ExceptionPointers& exceptionPointers() const { return exceptionPointers_; }

private:
    static std::string faultText(uint32_t code, uintptr_t address);
    static std::string faultDetails(const ExceptionPointers& pointers);

    uint32_t exceptionCode_;
    ExceptionPointers exceptionPointers_;
};
