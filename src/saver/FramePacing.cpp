#include "saver/FramePacing.h"

#include <algorithm>

uint32_t idleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad) {
    const double share = std::clamp(maxCpuLoad, 1, 100) * 0.01;
    const auto idle = static_cast<double>(uint64_t{workMilliseconds}) * (1.0 - share) / share;
    return static_cast<uint32_t>(idle);
}
