#include "backends/posix/SignalExceptionPointers.h"

#include "backends/posix/SignalExceptionCode.h"

namespace Posix {
namespace {

RegisterContext registersOf(const ucontext_t& context) {
    RegisterContext registers;
#if defined(__x86_64__)
    const greg_t* general = context.uc_mcontext.gregs;
    const auto value = [general](int index) { return static_cast<uint64_t>(general[index]); };
    registers.ax = value(REG_RAX);
    registers.bx = value(REG_RBX);
    registers.cx = value(REG_RCX);
    registers.dx = value(REG_RDX);
    registers.si = value(REG_RSI);
    registers.di = value(REG_RDI);
    registers.bp = value(REG_RBP);
    registers.sp = value(REG_RSP);
    registers.ip = value(REG_RIP);
    registers.flags = value(REG_EFL);
    registers.cs = value(REG_CSGSFS) & 0xFFFF; // cs, gs and fs share one slot
    // The signal context keeps no data segment; in 64-bit mode it is the same flat selector for
    // every thread of the process, so the live one is the one the fault ran with.
    uint16_t dataSegment = 0;
    asm("mov %%ds, %0" : "=r"(dataSegment));
    registers.ds = dataSegment;
#else
    static_cast<void>(context);
#endif
    return registers;
}

} // namespace

ExceptionPointers exceptionPointersFromSignal(int signal, const siginfo_t* info,
                                              const ucontext_t* context) {
    ExceptionPointers pointers;
    ExceptionRecord& record = pointers.exceptionRecord;
    record.signal = signal;
    if (info != nullptr) {
        record.signalCode = info->si_code;
        // Only the kernel's fault reports carry an address; sent signals keep a sender there.
        if (info->si_code > 0) {
            record.dataAddress = reinterpret_cast<uintptr_t>(info->si_addr);
        }
    }
    if (context != nullptr) {
        pointers.contextRecord = registersOf(*context);
    }
    // For memory faults the signal's address is the data touched; the report wants the
    // instruction, which only the context knows.
    record.address =
        pointers.contextRecord.ip != 0 ? pointers.contextRecord.ip : record.dataAddress;
    record.code = exceptionCodeForSignal(signal, record.signalCode, record.dataAddress,
                                         pointers.contextRecord.sp);
    return pointers;
}

StructuredException structuredExceptionFromSignal(int signal, const siginfo_t* info,
                                                  const ucontext_t* context) {
    const ExceptionPointers pointers = exceptionPointersFromSignal(signal, info, context);
    return StructuredException(pointers.exceptionRecord.code, pointers);
}

} // namespace Posix
