#include "backends/posix/SignalExceptionCode.h"
#include "backends/posix/SignalExceptionPointers.h"
#include "errors/ExceptionCode.h"

#include <gtest/gtest.h>

TEST(SignalExceptionTest, FaultSignalsMapToTheKnownCodes) {
    using namespace ExceptionCode;
    const uintptr_t sp = 0x7FFC00100000;
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGSEGV, SEGV_MAPERR, 0x10, sp), accessViolation);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGSEGV, SI_KERNEL, 0, sp), accessViolation);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGSEGV, SEGV_MAPERR, sp - 8, sp), stackOverflow);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGSEGV, SEGV_ACCERR, sp + 0x800, sp), stackOverflow);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGSEGV, SEGV_MAPERR, sp - 0x100000, sp),
              accessViolation);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGBUS, BUS_ADRALN, 0x1001, sp), datatypeMisalignment);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGILL, ILL_PRVOPC, 0, sp), privInstruction);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGFPE, FPE_INTDIV, 0, sp), intDivideByZero);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGFPE, FPE_FLTUND, 0, sp), fltUnderflow);
    EXPECT_EQ(Posix::exceptionCodeForSignal(SIGTRAP, SI_KERNEL, 0, sp), breakpoint);
    EXPECT_EQ(exceptionCodeName(fltStackCheck), "FLT_STACK_CHECK");
    // A signal sent by a process is no processor fault.
    EXPECT_FALSE(
        exceptionCodeName(Posix::exceptionCodeForSignal(SIGSEGV, SI_USER, 0, 0)).has_value());
    EXPECT_FALSE(
        exceptionCodeName(Posix::exceptionCodeForSignal(SIGABRT, SI_USER, 0, 0)).has_value());
}

TEST(SignalExceptionTest, PointersTakeTheInstructionAndRegistersFromTheContext) {
    siginfo_t info{};
    info.si_code = SEGV_MAPERR;
    info.si_addr = reinterpret_cast<void*>(0x20);
    ucontext_t context{};
    context.uc_mcontext.gregs[REG_RIP] = 0x401234;
    context.uc_mcontext.gregs[REG_RSP] = 0x7FFC00001000;
    context.uc_mcontext.gregs[REG_RAX] = 0x77;
    context.uc_mcontext.gregs[REG_CSGSFS] = 0x0000002B00000033;

    const ExceptionPointers pointers = Posix::exceptionPointersFromSignal(SIGSEGV, &info, &context);

    EXPECT_EQ(pointers.exceptionRecord.code, ExceptionCode::accessViolation);
    EXPECT_EQ(pointers.exceptionRecord.address, 0x401234u);
    EXPECT_EQ(pointers.exceptionRecord.dataAddress, 0x20u);
    EXPECT_EQ(pointers.contextRecord.ax, 0x77u);
    EXPECT_EQ(pointers.contextRecord.cs, 0x33u);
    EXPECT_EQ(Posix::exceptionPointersFromSignal(SIGSEGV, &info, nullptr).exceptionRecord.address,
              0x20u);
}
