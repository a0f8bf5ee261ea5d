#pragma once

#include <cstdint>
#include <cstring>

// A pixel of 1 to 4 bytes read into and written from the low bytes of a word. Three bytes are
// put together in a register, never through a word in memory, whose load would wait for the
// stores of its parts.
template <int Bytes> uint32_t readPixel(const uint8_t* at) {
    if constexpr (Bytes == 3) {
        return at[0] | at[1] << 8 | static_cast<uint32_t>(at[2]) << 16;
    } else {
        uint32_t pixel = 0;
        std::memcpy(&pixel, at, Bytes);
        return pixel;
    }
}

template <int Bytes> void writePixel(uint8_t* at, uint32_t pixel) {
    std::memcpy(at, &pixel, Bytes);
}
