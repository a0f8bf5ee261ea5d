#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The processor-fault codes the error report knows by name.
namespace ExceptionCode {

inline constexpr uint32_t guardPage = 0x80000001;
inline constexpr uint32_t datatypeMisalignment = 0x80000002;
inline constexpr uint32_t breakpoint = 0x80000003;
inline constexpr uint32_t singleStep = 0x80000004;
inline constexpr uint32_t accessViolation = 0xC0000005;
inline constexpr uint32_t inPageError = 0xC0000006;
inline constexpr uint32_t invalidHandle = 0xC0000008;
inline constexpr uint32_t illegalInstruction = 0xC000001D;
inline constexpr uint32_t noncontinuableException = 0xC0000025;
inline constexpr uint32_t invalidDisposition = 0xC0000026;
inline constexpr uint32_t arrayBoundsExceeded = 0xC000008C;
inline constexpr uint32_t fltDenormalOperand = 0xC000008D;
inline constexpr uint32_t fltDivideByZero = 0xC000008E;
inline constexpr uint32_t fltInexactResult = 0xC000008F;
inline constexpr uint32_t fltInvalidOperation = 0xC0000090;
inline constexpr uint32_t fltOverflow = 0xC0000091;
inline constexpr uint32_t fltStackCheck = 0xC0000092;
inline constexpr uint32_t fltUnderflow = 0xC0000093;
inline constexpr uint32_t intDivideByZero = 0xC0000094;
inline constexpr uint32_t intOverflow = 0xC0000095;
inline constexpr uint32_t privInstruction = 0xC0000096;
inline constexpr uint32_t stackOverflow = 0xC00000FD;

// Signals with no counterpart among the known codes get this base plus the signal number.
inline constexpr uint32_t unknownSignalBase = 0xE0000000;

} // namespace ExceptionCode

// The name the report shows for a known code ("ACCESS_VIOLATION"), none for any other.
std::optional<std::string_view> exceptionCodeName(uint32_t code);
