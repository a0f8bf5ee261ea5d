#include "errors/ExceptionCode.h"

#include <array>
#include <utility>

namespace {

using namespace ExceptionCode;

constexpr std::array<std::pair<uint32_t, std::string_view>, 22> knownCodes{{
    {guardPage, "GUARD_PAGE"},
    {datatypeMisalignment, "DATATYPE_MISALIGNMENT"},
    {breakpoint, "BREAKPOINT"},
    {singleStep, "SINGLE_STEP"},
    {accessViolation, "ACCESS_VIOLATION"},
    {inPageError, "IN_PAGE_ERROR"},
    {invalidHandle, "INVALID_HANDLE"},
    {illegalInstruction, "ILLEGAL_INSTRUCTION"},
    {noncontinuableException, "NONCONTINUABLE_EXCEPTION"},
    {invalidDisposition, "INVALID_DISPOSITION"},
    {arrayBoundsExceeded, "ARRAY_BOUNDS_EXCEEDED"},
    {fltDenormalOperand, "FLT_DENORMAL_OPERAND"},
    {fltDivideByZero, "FLT_DIVIDE_BY_ZERO"},
    {fltInexactResult, "FLT_INEXACT_RESULT"},
    {fltInvalidOperation, "FLT_INVALID_OPERATION"},
    {fltOverflow, "FLT_OVERFLOW"},
    {fltStackCheck, "FLT_STACK_CHECK"},
    {fltUnderflow, "FLT_UNDERFLOW"},
    {intDivideByZero, "INT_DIVIDE_BY_ZERO"},
    {intOverflow, "INT_OVERFLOW"},
    {privInstruction, "PRIV_INSTRUCTION"},
    {stackOverflow, "STACK_OVERFLOW"},
}};

} // namespace

std::optional<std::string_view> exceptionCodeName(uint32_t code) {
    for (const auto& [knownCode, name] : knownCodes) {
        if (knownCode == code) {
            return name;
        }
    }
    return std::nullopt;
}
