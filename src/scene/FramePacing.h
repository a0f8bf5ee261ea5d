#pragma once

#include <cstdint>

namespace Scene {

// How long a frame loop waits after a frame, so that the saver's own work takes its share of the
// processor. The two rules differ in their arithmetic only, and a wait one millisecond apart is
// what a user's machine has always shown, so both stay.

// The full-screen saver and the savers in a daemon's windows: the share in double precision. A
// share of 0 would divide by zero and is taken as 1.
uint32_t saverIdleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad);

// The preview in another program's window: the share rounded to single precision, the rest in
// extended precision. A share of 0 counts as 1.
uint32_t previewIdleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad);

// What a loop waits after a frame.
class FramePacing {
public:
    // The settings' live preview runs at a fixed pace, whatever its work.
    static constexpr uint32_t livePreviewPeriod = 40;

    static FramePacing forSaver(int32_t maxCpuLoad) { return {Rule::Saver, maxCpuLoad}; }
    static FramePacing forPreview(int32_t maxCpuLoad) { return {Rule::Preview, maxCpuLoad}; }
    // The timer keeps the period it was started with.
    static FramePacing periodic() { return {Rule::Periodic, 100}; }

    // Empty for a periodic pace, which keeps the timer as it runs.
    bool keepsPeriod() const { return rule_ == Rule::Periodic; }
    uint32_t idleAfter(uint32_t workMilliseconds) const;

private:
    enum class Rule { Saver, Preview, Periodic };

    FramePacing(Rule rule, int32_t maxCpuLoad) : rule_(rule), maxCpuLoad_(maxCpuLoad) {}

    Rule rule_;
    int32_t maxCpuLoad_;
};

} // namespace Scene
