#include "platform/MillisecondClock.h"

SteadyMillisecondClock::SteadyMillisecondClock() : start_(std::chrono::steady_clock::now()) {}

uint32_t SteadyMillisecondClock::now() const {
    using namespace std::chrono;
    const auto sinceStart = duration_cast<milliseconds>(steady_clock::now() - start_);
    return static_cast<uint32_t>(sinceStart.count());
}

IMillisecondClock& systemClock() {
    static SteadyMillisecondClock clock;
    return clock;
}
