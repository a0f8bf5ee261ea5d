#include "display/DX5Error.h"

#include "resources/UnitStrings.h"

#include <cstdio>

namespace DX5 {

namespace {

constexpr const char* headline = "DirectX error!\r\n";
constexpr uint32_t noDirectX5String = 20;

std::string decimalAndHex(uint32_t value) {
    char text[48];
    std::snprintf(text, sizeof text, "%u (0x%x)", value, value);
    return text;
}

// The reason is put in as it is; it is no format of its own.
std::string withReason(std::string text, const std::string& reason) {
    const std::size_t slot = text.find("%s");
    if (slot != std::string::npos) {
        text.replace(slot, 2, reason);
    }
    return text;
}

} // namespace

std::string Error::messageFor(int32_t code) {
    const auto bits = static_cast<uint32_t>(code);
    const uint32_t severity = code < 0 ? 1 : 0;
    const uint32_t facility = (bits >> 16) & 0x1FFF;
    const uint32_t codePart = bits & 0xFFFF;
    return std::string(headline) + "Severity: " + std::to_string(severity) + ". " +
           "Facility: " + decimalAndHex(facility) + ". " + "Code: " + decimalAndHex(codePart) + ".";
}

// One frame for this constructor itself, so the stack starts where the error was raised.
Error::Error(int32_t code) : VerboseError(messageFor(code), 1), code_(code) {}

Error::Error(const std::string& platformText)
    : VerboseError(std::string(headline) + platformText, 1), code_(0) {}

Error::Error(std::string message, int32_t code, int framesToSkip)
    : VerboseError(std::move(message), framesToSkip + 1), code_(code) {}

UnsupportedVideoModeError::UnsupportedVideoModeError() : Error("UnsupportedVideoModeError", 0, 1) {}

NoDirectX5Error::NoDirectX5Error(const std::string& reason)
    : BasicError(withReason(
          Resources::loadUnitString(Resources::StringUnit::DirectX, noDirectX5String), reason)) {}

} // namespace DX5
