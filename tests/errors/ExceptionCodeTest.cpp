#include "errors/ExceptionCode.h"

#include "errors/ExceptionPointers.h"

#include <gtest/gtest.h>

TEST(ExceptionCodeTest, FaultSignalsMapToTheKnownCodes) {
    using namespace ExceptionCode;
    const uintptr_t sp = 0x7FFC00100000;
    EXPECT_EQ(exceptionCodeForSignal(SIGSEGV, SEGV_MAPERR, 0x10, sp), accessViolation);
    EXPECT_EQ(exceptionCodeForSignal(SIGSEGV, SI_KERNEL, 0, sp), accessViolation);
    EXPECT_EQ(exceptionCodeForSignal(SIGSEGV, SEGV_MAPERR, sp - 8, sp), stackOverflow);
    EXPECT_EQ(exceptionCodeForSignal(SIGSEGV, SEGV_ACCERR, sp + 0x800, sp), stackOverflow);
    EXPECT_EQ(exceptionCodeForSignal(SIGSEGV, SEGV_MAPERR, sp - 0x100000, sp), accessViolation);
    EXPECT_EQ(exceptionCodeForSignal(SIGBUS, BUS_ADRALN, 0x1001, sp), datatypeMisalignment);
    EXPECT_EQ(exceptionCodeForSignal(SIGILL, ILL_PRVOPC, 0, sp), privInstruction);
    EXPECT_EQ(exceptionCodeForSignal(SIGFPE, FPE_INTDIV, 0, sp), intDivideByZero);
    EXPECT_EQ(exceptionCodeForSignal(SIGFPE, FPE_FLTUND, 0, sp), fltUnderflow);
    EXPECT_EQ(exceptionCodeForSignal(SIGTRAP, SI_KERNEL, 0, sp), breakpoint);
    EXPECT_EQ(exceptionCodeName(fltStackCheck), "FLT_STACK_CHECK");
    // A signal sent by a process is no processor fault.
    EXPECT_FALSE(exceptionCodeName(exceptionCodeForSignal(SIGSEGV, SI_USER, 0, 0)).has_value());
    EXPECT_FALSE(exceptionCodeName(exceptionCodeForSignal(SIGABRT, SI_USER, 0, 0)).has_value());
}

TEST(ExceptionCodeTest, PointersTakeTheInstructionAndRegistersFromTheContext) {
    siginfo_t info{};
    info.si_code = SEGV_MAPERR;
    info.si_addr = reinterpret_cast<void*>(0x20);
    ucontext_t context{};
    context.uc_mcontext.gregs[REG_RIP] = 0x401234;
    context.uc_mcontext.gregs[REG_RSP] = 0x7FFC00001000;
    context.uc_mcontext.gregs[REG_RAX] = 0x77;
    context.uc_mcontext.gregs[REG_CSGSFS] = 0x0000002B00000033;

    const ExceptionPointers pointers = exceptionPointersFromSignal(SIGSEGV, &info, &context);

    EXPECT_EQ(pointers.exceptionRecord.code, ExceptionCode::accessViolation);
    EXPECT_EQ(pointers.exceptionRecord.address, 0x401234u);
    EXPECT_EQ(pointers.exceptionRecord.dataAddress, 0x20u);
    EXPECT_EQ(pointers.contextRecord.rax, 0x77u);
    EXPECT_EQ(pointers.contextRecord.cs, 0x33u);
    EXPECT_EQ(exceptionPointersFromSignal(SIGSEGV, &info, nullptr).exceptionRecord.address, 0x20u);
}

TEST(ExceptionCodeTest, RegisterTextHasFourLinesOfThree) {
    const RegisterContext context{0x1,
                                  0x22,
                                  0x333,
                                  0x4444,
                                  0xABCDEF,
                                  ~uint64_t{0},
                                  0x7FFC12345670,
                                  0x7FFC12345600,
                                  0x55AA00001234,
                                  0x33,
                                  0,
                                  0x10246};
    EXPECT_EQ(registerText(context),
              "RAX: 0000000000000001 RBX: 0000000000000022 RCX: 0000000000000333\r\n"
              "RDX: 0000000000004444 RSI: 0000000000ABCDEF RDI: FFFFFFFFFFFFFFFF\r\n"
              "RBP: 00007FFC12345670 RSP: 00007FFC12345600 RIP: 000055AA00001234\r\n"
              "CS: 0000000000000033 DS: 0000000000000000 EF: 0000000000010246\r\n");
}
