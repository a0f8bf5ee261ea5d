#include "platform/MillisecondClock.h"

#include <windows.h>
// clang-format off
#include <mmsystem.h>
// clang-format on

namespace {

// The multimedia timer's count, as fine as the timer period the program raises at start-up.
class MultimediaClock : public IMillisecondClock {
public:
    uint32_t now() const override { return timeGetTime(); }
};

} // namespace

IMillisecondClock& systemClock() {
    static MultimediaClock clock;
    return clock;
}
