#pragma once

#include <cstddef>
#include <cstdint>

// Asks the caches for every line of a span of bytes, the last one included.
inline void prefetchSpan(const uint8_t* first, std::ptrdiff_t bytes) {
    constexpr std::ptrdiff_t cacheLine = 64;
    for (std::ptrdiff_t offset = 0; offset < bytes; offset += cacheLine) {
        __builtin_prefetch(first + offset);
    }
    __builtin_prefetch(first + bytes - 1);
}
