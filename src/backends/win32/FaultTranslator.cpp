#include "errors/FaultTranslator.h"

#include "errors/StructuredException.h"

#include <exception>
#include <windows.h>

// A processor fault reaches a vectored handler, which cannot throw through the system's frames.
// It keeps the fault's record and resumes the thread in a function that throws it, as if the
// faulting instruction had called that function: the unwinder then leaves from the faulting
// instruction, as it does from a signal handler on POSIX. Only faults in the program's own code
// are taken: the system and its libraries raise and handle access violations of their own (a
// probe of a pointer, a guard page growing a stack). Any fault nobody handles reaches the
// unhandled-exception filter, which ends the program as an abnormal termination: the display is
// given back and the report shown.
namespace {

thread_local ExceptionPointers pendingFault;
thread_local bool translating = false;

bool isProcessorFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
        return true;
    default:
        return false;
    }
}

RegisterContext registersOf(const CONTEXT& context) {
    RegisterContext registers;
    registers.ax = context.Eax;
    registers.bx = context.Ebx;
    registers.cx = context.Ecx;
    registers.dx = context.Edx;
    registers.si = context.Esi;
    registers.di = context.Edi;
    registers.bp = context.Ebp;
    registers.sp = context.Esp;
    registers.ip = context.Eip;
    registers.cs = context.SegCs;
    registers.ds = context.SegDs;
    registers.flags = context.EFlags;
    return registers;
}

ExceptionPointers pointersOf(const EXCEPTION_POINTERS& info) {
    ExceptionPointers pointers;
    const EXCEPTION_RECORD& record = *info.ExceptionRecord;
    pointers.exceptionRecord.code = record.ExceptionCode;
    pointers.exceptionRecord.address = reinterpret_cast<uintptr_t>(record.ExceptionAddress);
    if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
        pointers.exceptionRecord.signalCode = static_cast<int>(record.ExceptionInformation[0]);
        pointers.exceptionRecord.dataAddress = record.ExceptionInformation[1];
    }
    pointers.contextRecord = registersOf(*info.ContextRecord);
    return pointers;
}

[[noreturn]] void throwPendingFault() {
    translating = false;
    throw StructuredException(pendingFault.exceptionRecord.code, pendingFault);
}

bool liesInProgram(const void* address) {
    MEMORY_BASIC_INFORMATION region{};
    return VirtualQuery(address, &region, sizeof region) != 0 &&
           region.AllocationBase == GetModuleHandleW(nullptr);
}

LONG CALLBACK translateFault(EXCEPTION_POINTERS* info) {
    // A fault while one is being thrown, or one on a stack with no room left for the throw,
    // is left to the unhandled-exception filter.
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (!isProcessorFault(code) || translating || code == EXCEPTION_STACK_OVERFLOW ||
        !liesInProgram(info->ExceptionRecord->ExceptionAddress)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    translating = true;
    pendingFault = pointersOf(*info);
    CONTEXT& context = *info->ContextRecord;
    context.Esp -= sizeof(DWORD);
    *reinterpret_cast<DWORD*>(context.Esp) = context.Eip;
    context.Eip = reinterpret_cast<DWORD>(&throwPendingFault);
    return EXCEPTION_CONTINUE_EXECUTION;
}

LONG WINAPI endAbnormally(EXCEPTION_POINTERS*) {
    std::terminate();
}

} // namespace

struct FaultTranslator::Installation {
    void* handler = nullptr;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
};

FaultTranslator::FaultTranslator() : installation_(std::make_unique<Installation>()) {
    installation_->handler = AddVectoredExceptionHandler(1, translateFault);
    installation_->previousFilter = SetUnhandledExceptionFilter(endAbnormally);
}

FaultTranslator::~FaultTranslator() {
    SetUnhandledExceptionFilter(installation_->previousFilter);
    if (installation_->handler != nullptr) {
        RemoveVectoredExceptionHandler(installation_->handler);
    }
}
