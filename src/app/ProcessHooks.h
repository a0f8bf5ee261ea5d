#pragma once

#include "errors/FaultTranslator.h"

#include <exception>
#include <functional>
#include <new>

class ErrorGuard;

// The process-wide error hooks, installed while an object of this class lives:
// - std::terminate runs the abnormal-termination actions (last registered first), reports
//   "Abnormal program termination." through the guard with the call stack of the handler, and
//   ends the process with exitFailure;
// - running out of memory throws a VerboseError with the out-of-memory text;
// - processor faults are thrown as StructuredException (FaultTranslator).
// One object at a time; its destructor puts back the earlier handlers.
class ProcessHooks {
public:
    ProcessHooks(ErrorGuard& guard, std::function<void()> abnormalTerminationActions);
    ~ProcessHooks();
    ProcessHooks(const ProcessHooks&) = delete;
    ProcessHooks& operator=(const ProcessHooks&) = delete;

    // What the out-of-memory handler throws; a failure while building it throws std::bad_alloc.
    [[noreturn]] static void onOutOfMemory();
    // What std::terminate calls.
    [[noreturn]] static void onTerminate() noexcept;

private:
    std::terminate_handler previousTerminate_;
    std::new_handler previousNewHandler_;
    FaultTranslator faultTranslator_;
};
