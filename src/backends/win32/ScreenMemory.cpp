#include "platform/ScreenMemory.h"

namespace Platform {

// Large pages need a right that a screen saver's user does not hold, so the memory is ordinary.
void* allocateScreenMemory(std::size_t bytes) {
    return ::operator new(bytes);
}

void releaseScreenMemory(void* memory, std::size_t) noexcept {
    ::operator delete(memory);
}

} // namespace Platform
