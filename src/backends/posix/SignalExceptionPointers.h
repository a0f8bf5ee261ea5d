#pragma once

#include "errors/ExceptionPointers.h"
#include "errors/StructuredException.h"

#include <csignal>
#include <ucontext.h>

namespace Posix {

// From the arguments of an SA_SIGINFO handler; the context may be null, and then the
// instruction address is the one the signal gives.
ExceptionPointers exceptionPointersFromSignal(int signal, const siginfo_t* info,
                                              const ucontext_t* context);

// For the fault signal handler: the code follows from the signal and its si_code.
StructuredException structuredExceptionFromSignal(int signal, const siginfo_t* info,
                                                  const ucontext_t* context);

} // namespace Posix
