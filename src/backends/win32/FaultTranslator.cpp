#include "errors/FaultTranslator.h"

#include "errors/StructuredException.h"

#include <windows.h>

// A processor fault reaches a vectored handler, which cannot throw through the system's frames.
// It keeps the fault's record and resumes the thread in a function that throws it, as if the
// faulting instruction had called that function: the unwinder then leaves from the faulting
// instruction, as it does from a signal handler on POSIX.
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

LONG CALLBACK translateFault(EXCEPTION_POINTERS* info) {
    // A fault while one is being thrown, or one on a stack with no room left for the throw,
    // ends the process as the system would have ended it.
    const DWORD code = info->ExceptionRecord->ExceptionCode;
    if (!isProcessorFault(code) || translating || code == EXCEPTION_STACK_OVERFLOW) {
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

} // namespace

struct FaultTranslator::Installation {
    void* handler = nullptr;
};

FaultTranslator::FaultTranslator() : installation_(std::make_unique<Installation>()) {
    installation_->handler = AddVectoredExceptionHandler(1, translateFault);
}

FaultTranslator::~FaultTranslator() {
    if (installation_->handler != nullptr) {
        RemoveVectoredExceptionHandler(installation_->handler);
    }
}
