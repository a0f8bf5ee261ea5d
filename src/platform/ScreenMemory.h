#pragma once

#include <cstddef>
#include <new>

namespace Platform {

// Memory for a whole screen's pictures and drop map, which every frame reads at places scattered
// over all of it. Where the system can, it backs the memory with large pages, so that finding
// where each read goes does not cost a walk through the page tables. Throws std::bad_alloc.
void* allocateScreenMemory(std::size_t bytes);
// Takes the size that was asked for.
void releaseScreenMemory(void* memory, std::size_t bytes) noexcept;

// For the standard containers.
template <typename T> struct ScreenAllocator {
    using value_type = T;

    ScreenAllocator() = default;
    template <typename U> ScreenAllocator(const ScreenAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) {
            throw std::bad_array_new_length();
        }
        return static_cast<T*>(allocateScreenMemory(count * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t count) noexcept {
        releaseScreenMemory(memory, count * sizeof(T));
    }

    template <typename U> bool operator==(const ScreenAllocator<U>&) const noexcept { return true; }
};

} // namespace Platform
