#include "errors/StructuredException.h"

#include "backends/posix/SignalExceptionPointers.h"
#include "errors/DiagnosticText.h"
#include "errors/ExceptionCode.h"
#include "errors/GuardedPage.h"
#include "errors/ModuleLocation.h"

#include <array>
#include <csetjmp>
#include <gtest/gtest.h>
#include <optional>

namespace {

__attribute__((noipa)) void functionInTheProgram() {}

uintptr_t programAddress() {
    return reinterpret_cast<uintptr_t>(&functionInTheProgram) + 2;
}

ExceptionPointers faultAt(uintptr_t address) {
    ExceptionPointers pointers;
    pointers.exceptionRecord.address = address;
    return pointers;
}

std::string modulePart(uintptr_t address) {
    const std::optional<ModuleLocation> location = moduleLocation(address);
    EXPECT_TRUE(location.has_value());
    return location ? " (" + hexWordText(location->section).substr(12) + ":" +
                          hexWordText(location->offset) + " " + location->fileName + ")"
                    : "";
}

} // namespace

TEST(StructuredExceptionTest, FaultTextOfAKnownCode) {
    EXPECT_STREQ(StructuredException(ExceptionCode::accessViolation, faultAt(0x10)).what(),
                 "Exception ACCESS_VIOLATION (0xC0000005) at address 0000000000000010.");

    const StructuredException inside(ExceptionCode::intDivideByZero, faultAt(programAddress()));
    EXPECT_EQ(std::string(inside.what()), "Exception INT_DIVIDE_BY_ZERO (0xC0000094) at address " +
                                              hexWordText(programAddress()) +
                                              modulePart(programAddress()) + ".");
    EXPECT_EQ(inside.exceptionCode(), ExceptionCode::intDivideByZero);
}

TEST(StructuredExceptionTest, FaultTextOfAnUnknownCode) {
    EXPECT_STREQ(StructuredException(0x12345678, faultAt(0x10)).what(),
                 "unknown structured exception.");
    EXPECT_EQ(std::string(StructuredException(0xE0000006, faultAt(programAddress())).what()),
              "unknown structured exception" + modulePart(programAddress()) + ".");
}

TEST(StructuredExceptionTest, ModulePartNamesTheSegmentAndFile) {
    const std::optional<ModuleLocation> code = moduleLocation(programAddress());
    const std::optional<ModuleLocation> further = moduleLocation(programAddress() + 16);
    ASSERT_TRUE(code && further);
    EXPECT_EQ(code->fileName, "backends_posix_tests");
    EXPECT_GE(code->section, 1u);
    EXPECT_EQ(further->section, code->section);
    EXPECT_EQ(further->offset, code->offset + 16);

    const auto library = moduleLocation(reinterpret_cast<uintptr_t>(&getpid));
    ASSERT_TRUE(library.has_value());
    EXPECT_EQ(library->fileName.rfind("libc.so", 0), 0u) << library->fileName;
    GuardedPage anonymous;
    EXPECT_FALSE(moduleLocation(anonymous.readable()).has_value());
}

TEST(StructuredExceptionTest, DetailsHoldCallStackRegistersAndStackWords) {
    std::array<uint64_t, 20> stack{};
    for (std::size_t i = 0; i < stack.size(); ++i) {
        stack[i] = 0x5000 + i;
    }
    ExceptionPointers pointers = faultAt(0x10);
    pointers.contextRecord.ip = 0x10;
    pointers.contextRecord.bp = 0x18; // no chain to follow
    pointers.contextRecord.sp = reinterpret_cast<uintptr_t>(stack.data());

    std::string words;
    for (std::size_t i = 0; i < 16; ++i) {
        words += (i % 4 == 0 ? hexWordText(pointers.contextRecord.sp + i * 8) + ": " : "") +
                 hexWordText(stack[i]) + (i % 4 == 3 ? "\r\n" : " ");
    }
    EXPECT_EQ(StructuredException(ExceptionCode::accessViolation, pointers).details(),
              "\r\n" + registerText(pointers.contextRecord) + "\r\n" + words);
}

namespace {

struct CapturedFault {
    std::string message;
    std::string details;
    ExceptionPointers pointers;
    bool stackWasConsistent = false;
};

std::optional<CapturedFault> capturedFault;
sigjmp_buf resumeAfterFault;

void captureFault(int signal, siginfo_t* info, void* context) {
    {
        const StructuredException fault =
            Posix::structuredExceptionFromSignal(signal, info, static_cast<ucontext_t*>(context));
        capturedFault = CapturedFault{fault.what(), fault.details(), fault.exceptionPointers(),
                                      wordsSitAboveTheirReturnAddress(fault.details())};
    }
    siglongjmp(resumeAfterFault, 1);
}

__attribute__((noipa)) uint64_t readFrom(uintptr_t address) {
    return *reinterpret_cast<volatile uint64_t*>(address);
}

__attribute__((noipa)) uint64_t readThroughCaller(uintptr_t address) {
    const uint64_t value = readFrom(address);
    asm volatile("" ::: "memory");
    return value;
}

} // namespace

TEST(StructuredExceptionTest, ARealFaultIsDescribedFromItsSignal) {
    GuardedPage page;
    struct sigaction handler {};
    struct sigaction previous {};
    handler.sa_sigaction = captureFault;
    handler.sa_flags = SA_SIGINFO;
    ASSERT_EQ(sigaction(SIGSEGV, &handler, &previous), 0);
    if (sigsetjmp(resumeAfterFault, 1) == 0) {
        readThroughCaller(page.unreadable());
    }
    sigaction(SIGSEGV, &previous, nullptr);

    ASSERT_TRUE(capturedFault.has_value());
    const ExceptionPointers& pointers = capturedFault->pointers;
    const uintptr_t instruction = pointers.contextRecord.ip;
    EXPECT_EQ(pointers.exceptionRecord.address, instruction);
    EXPECT_EQ(pointers.exceptionRecord.dataAddress, page.unreadable());
    EXPECT_EQ(capturedFault->message, "Exception ACCESS_VIOLATION (0xC0000005) at address " +
                                          hexWordText(instruction) + modulePart(instruction) + ".");
    EXPECT_NE(capturedFault->details.find("RIP: " + hexWordText(instruction)), std::string::npos);

    // Unwound through the signal frame, frame pointers or not: the first caller listed is the
    // function that called the faulting one.
    const std::vector<uintptr_t> callers = returnAddresses(capturedFault->details);
    ASSERT_FALSE(callers.empty()) << capturedFault->details;
    const auto caller = reinterpret_cast<uintptr_t>(&readThroughCaller);
    EXPECT_TRUE(callers[0] > caller && callers[0] < caller + 4096);
    EXPECT_TRUE(capturedFault->stackWasConsistent);
}
