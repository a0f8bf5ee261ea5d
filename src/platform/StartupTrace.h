#pragma once

#include <cstdint>

// With PLUVO_TRACE=1 in the environment, notes on standard error what the program is doing and
// how many milliseconds after its start, so that a slow start-up or a slow present can be found
// without a debugger. Without it every call costs one test of a flag.
namespace StartupTrace {

// Starts the count; the first note starts it too.
void begin();
bool enabled();
// "pluvo: <what> after N ms (resident R MB, peak P MB)".
void note(const char* what);
// Milliseconds since begin().
double elapsedMilliseconds();

} // namespace StartupTrace
