#include "scene/FramePacing.h"

#include <algorithm>

namespace Scene {

uint32_t saverIdleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad) {
    const double share = std::clamp(maxCpuLoad, 1, 100) * 0.01;
    const auto idle = static_cast<double>(uint64_t{workMilliseconds}) * (1.0 - share) / share;
    return static_cast<uint32_t>(idle);
}

uint32_t previewIdleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad) {
    const auto share = static_cast<float>(std::clamp(maxCpuLoad, 1, 100) * 0.01);
    const long double x = share;
    return static_cast<uint32_t>(static_cast<long double>(workMilliseconds) * (1.0L - x) / x);
}

uint32_t FramePacing::idleAfter(uint32_t workMilliseconds) const {
    switch (rule_) {
    case Rule::Saver:
        return saverIdleMilliseconds(workMilliseconds, maxCpuLoad_);
    case Rule::Preview:
        return previewIdleMilliseconds(workMilliseconds, maxCpuLoad_);
    case Rule::Periodic:
        break;
    }
    return 0;
}

} // namespace Scene
