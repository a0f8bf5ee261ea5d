#include "common/SteppingClock.h"

void SteppingClock::advance(uint32_t milliseconds) {
    time_ += milliseconds;
}
