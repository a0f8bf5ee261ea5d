#pragma once

#include "errors/BasicError.h"
#include "errors/VerboseError.h"

#include <cstdint>
#include <string>

namespace DX5 {

// A call to the display layer failed. The code is the failing result code, or 0 when the
// failure came from the platform as a text.
class Error : public VerboseError {
public:
    explicit Error(int32_t code);
    // "DirectX error!\r\n" followed by the platform's own description of the failure.
    explicit Error(const std::string& platformText);

    int32_t code() const { return code_; }

    // "DirectX error!\r\nSeverity: 1. Facility: 2166 (0x876). Code: 450 (0x1c2)." for hr.
    static std::string messageFor(int32_t code);

protected:
    // For derived errors: their own constructor is one more frame to leave out of the stack.
    Error(std::string message, int32_t code, int framesToSkip);

private:
    int32_t code_;
};

// The display cannot show the requested mode; the program ends without a message.
class UnsupportedVideoModeError : public Error {
public:
    UnsupportedVideoModeError();
};

// The graphics layer cannot start at all: no display could be opened. The text says what is
// missing, with the platform's reason.
class NoDirectX5Error : public BasicError {
public:
    explicit NoDirectX5Error(const std::string& reason);
};

} // namespace DX5
