// Writes the renderer's highlight table: 129 little-endian uint32 values,
// value[i] = floor(65536 x |(i - 64) / 64| ^ 20). The power is taken in exact integers, since
// value[1] = 47829.015... sits close enough to an integer to be lost in floating point.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

__extension__ typedef unsigned __int128 uint128;

uint32_t highlightValue(int index) {
    const uint128 distance = static_cast<uint128>(std::abs(index - 64));
    uint128 power = 1;
    for (int i = 0; i < 20; ++i) {
        power *= distance;
    }
    // 65536 x d^20 / 64^20 = d^20 / 2^(120 - 16)
    return static_cast<uint32_t>(power >> 104);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bin\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    for (int i = 0; i <= 128; ++i) {
        const uint32_t value = highlightValue(i);
        const unsigned char bytes[4] = {
            static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
            static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
        out.write(reinterpret_cast<const char*>(bytes), 4);
    }
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
