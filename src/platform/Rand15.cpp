#include "platform/Rand15.h"

#include <utility>

namespace {

uint32_t state = 1;
std::function<int32_t()> scriptedSource;

} // namespace

int32_t rand15() {
    if (scriptedSource) {
        return scriptedSource();
    }
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}

void seedRand15(uint32_t seed) {
    state = seed;
}

void overrideRand15(std::function<int32_t()> source) {
    scriptedSource = std::move(source);
}

int32_t rand15Below(int32_t range) {
    return (rand15() * range) >> 15;
}

int32_t rand15Percent() {
    return rand15Below(100);
}
