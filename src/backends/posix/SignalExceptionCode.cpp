#include "backends/posix/SignalExceptionCode.h"

#include "errors/ExceptionCode.h"

#include <csignal>

namespace Posix {
namespace {

using namespace ExceptionCode;

uint32_t unknownCode(int signal) {
    return unknownSignalBase + static_cast<uint32_t>(signal);
}

// Memory next to the stack pointer is always mapped unless the stack has run into its guard;
// large frames move the pointer before they touch the memory, so both sides count.
constexpr uintptr_t stackOverflowReach = 64 * 1024;

bool nearStackPointer(uintptr_t dataAddress, uintptr_t stackPointer) {
    if (dataAddress == 0 || stackPointer == 0) {
        return false;
    }
    const uintptr_t distance =
        dataAddress > stackPointer ? dataAddress - stackPointer : stackPointer - dataAddress;
    return distance <= stackOverflowReach;
}

// Codes of 0 and below are signals sent by a process, which are no processor fault.
uint32_t segmentationCode(int signalCode, uintptr_t dataAddress, uintptr_t stackPointer) {
    if (signalCode <= 0) {
        return unknownCode(SIGSEGV);
    }
    if (signalCode == SEGV_BNDERR) {
        return arrayBoundsExceeded;
    }
    const bool pageFault = signalCode == SEGV_MAPERR || signalCode == SEGV_ACCERR;
    return pageFault && nearStackPointer(dataAddress, stackPointer) ? stackOverflow
                                                                    : accessViolation;
}

uint32_t busCode(int signalCode) {
    if (signalCode <= 0) {
        return unknownCode(SIGBUS);
    }
    return signalCode == BUS_ADRALN ? datatypeMisalignment : inPageError;
}

uint32_t illegalInstructionCode(int signalCode) {
    if (signalCode <= 0) {
        return unknownCode(SIGILL);
    }
    const bool privileged = signalCode == ILL_PRVOPC || signalCode == ILL_PRVREG;
    return privileged ? privInstruction : illegalInstruction;
}

uint32_t arithmeticCode(int signalCode) {
    switch (signalCode) {
    case FPE_INTDIV:
        return intDivideByZero;
    case FPE_INTOVF:
        return intOverflow;
    case FPE_FLTDIV:
        return fltDivideByZero;
    case FPE_FLTOVF:
        return fltOverflow;
    case FPE_FLTUND: // the kernel reports denormal operands as underflow too
        return fltUnderflow;
    case FPE_FLTRES:
        return fltInexactResult;
    case FPE_FLTINV:
        return fltInvalidOperation;
    case FPE_FLTSUB:
        return arrayBoundsExceeded;
    default:
        return unknownCode(SIGFPE);
    }
}

// int3 arrives as SI_KERNEL on x86; debug-register traps count as single steps.
uint32_t trapCode(int signalCode) {
    switch (signalCode) {
    case TRAP_BRKPT:
    case SI_KERNEL:
        return breakpoint;
    case TRAP_TRACE:
    case TRAP_BRANCH:
    case TRAP_HWBKPT:
        return singleStep;
    default:
        return unknownCode(SIGTRAP);
    }
}

} // namespace

uint32_t exceptionCodeForSignal(int signal, int signalCode, uintptr_t dataAddress,
                                uintptr_t stackPointer) {
    switch (signal) {
    case SIGSEGV:
        return segmentationCode(signalCode, dataAddress, stackPointer);
    case SIGBUS:
        return busCode(signalCode);
    case SIGILL:
        return illegalInstructionCode(signalCode);
    case SIGFPE:
        return arithmeticCode(signalCode);
    case SIGTRAP:
        return trapCode(signalCode);
    default:
        return unknownCode(signal);
    }
}

} // namespace Posix
