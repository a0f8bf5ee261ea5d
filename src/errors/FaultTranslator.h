#pragma once

#include <memory>

// While an object of this class lives, processor faults (on POSIX: SIGSEGV, SIGBUS, SIGILL,
// SIGFPE) on any thread are thrown as StructuredException from the faulting instruction, so that
// they reach the program's error report and unwind the objects that give the display back. Only
// code compiled with -fnon-call-exceptions can be left that way; a fault elsewhere ends in
// std::terminate.
//
// On the thread that installs it the handler runs on an alternate stack, so that a stack
// overflow is reported too. A fault while a fault is being turned into an error ends the process
// as the system would have ended it.
class FaultTranslator {
public:
    FaultTranslator();
    // Puts back the handlers that were there before.
    ~FaultTranslator();
    FaultTranslator(const FaultTranslator&) = delete;
    FaultTranslator& operator=(const FaultTranslator&) = delete;

private:
    // The handlers in place and those they replaced, in the system's own types.
    struct Installation;
    std::unique_ptr<Installation> installation_;
};
