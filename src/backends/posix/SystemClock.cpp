#include "platform/MillisecondClock.h"

IMillisecondClock& systemClock() {
    static SteadyMillisecondClock clock;
    return clock;
}
