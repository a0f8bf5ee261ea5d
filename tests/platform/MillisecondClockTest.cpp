#include "platform/MillisecondClock.h"

#include "platform/Deadline.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

// Hands out its time, then moves on by step, as a clock read in a busy loop would.
class TickingClock final : public IMillisecondClock {
public:
    uint32_t now() const override {
        const uint32_t read = time;
        time += step;
        return read;
    }
    mutable uint32_t time = 0;
    uint32_t step = 0;
};

constexpr uint32_t nearWrap = 0xFFFFFFFFu - 2999u;
constexpr uint32_t nearHalfRange = 0x80000000u - 3000u;

} // namespace

TEST(ClockComparison, ReachedAndPassedGoByTheWrappedDifference) {
    for (const uint32_t due : {1000u, 0xFFFFFFF0u, 0x7FFFFFF0u, 0xFFFFFFFFu, 0u}) {
        EXPECT_FALSE(isTimeReached(due - 1, due)) << due;
        EXPECT_TRUE(isTimeReached(due, due)) << due;
        EXPECT_TRUE(isTimeReached(due + 20, due)) << due;
        EXPECT_FALSE(hasTimePassed(due, due)) << due;
        EXPECT_TRUE(hasTimePassed(due + 1, due)) << due;
        // A due time far ahead but less than half the range is not taken for one long past.
        EXPECT_FALSE(isTimeReached(due - 0x7FFFFFFFu, due)) << due;
    }
}

TEST(ClockComparison, SystemClockCountsFromItsOwnStartNotFromBoot) {
    using namespace std::chrono;
    const auto before = steady_clock::now();
    const SteadyMillisecondClock clock;
    const uint32_t reading = clock.now();
    const auto since = duration_cast<milliseconds>(steady_clock::now() - before).count();
    EXPECT_LE(reading, static_cast<uint32_t>(since));
}

TEST(DeadlineTest, BusyWaitEndsAtItsDeadlineWhereverTheClockStands) {
    for (const uint32_t start : {1000u, nearWrap, nearHalfRange}) {
        TickingClock clock;
        clock.time = start;
        clock.step = 1;
        const Deadline deadline(clock, 5000);
        int unreached = 0;
        while (!deadline.isReached()) {
            ++unreached;
        }
        EXPECT_EQ(unreached, 4999) << start;
        EXPECT_EQ(clock.time, start + 5001u) << start; // the last reading was the due time
    }
}
