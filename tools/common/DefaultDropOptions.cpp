#include "common/DefaultDropOptions.h"

#include <cmath>

namespace {

constexpr float windAngle = 2.3561945f;
constexpr int32_t windForce = 120;

} // namespace

int32_t DefaultDropOptions::windX() const {
    return static_cast<int32_t>(std::cos(static_cast<long double>(windAngle)) * -windForce);
}

int32_t DefaultDropOptions::windY() const {
    return static_cast<int32_t>(std::sin(static_cast<long double>(windAngle)) * windForce);
}
