#include "platform/MillisecondClock.h"

#include <chrono>

uint32_t SteadyMillisecondClock::now() const {
    using namespace std::chrono;
    const auto sinceStart = duration_cast<milliseconds>(steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(sinceStart.count());
}

IMillisecondClock& systemClock() {
    static SteadyMillisecondClock clock;
    return clock;
}
