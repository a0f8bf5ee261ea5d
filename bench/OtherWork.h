#pragma once

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

// What runs between two frames of the saver (the display server, the sound, the rest of the
// system), as far as the caches see it: 64 MB written, which empties them.
class OtherWork {
public:
    void run() {
        std::fill(bytes_.begin(), bytes_.end(), ++pass_);
        benchmark::ClobberMemory();
    }

private:
    std::vector<uint8_t> bytes_ = std::vector<uint8_t>(64 << 20);
    uint8_t pass_ = 0;
};
