#pragma once

#include <cstdint>

// Millisecond tick counts wrap after about 49.7 days; comparing them directly (signed or not)
// would stall the lightning at the wrap. The wrapped difference is right as long as the two
// times are less than 24.8 days apart.
inline bool isTimeReached(uint32_t now, uint32_t due) {
    return static_cast<int32_t>(now - due) >= 0;
}
