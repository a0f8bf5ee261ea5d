#include "platform/ScreenMemory.h"

#include <cstdint>
#include <sys/mman.h>

namespace Platform {

namespace {

// The large pages of x86-64 Linux. Smaller blocks are not worth a mapping of their own.
constexpr std::size_t largePage = std::size_t{2} << 20;
constexpr std::size_t smallPage = 4096;

std::size_t mappedSize(std::size_t bytes) {
    return (bytes + largePage - 1) / largePage * largePage;
}

} // namespace

// The kernel backs only aligned stretches of 2 MB with large pages, so a mapping one large page
// longer is made, and what lies before and after the aligned part is given back.
void* allocateScreenMemory(std::size_t bytes) {
    if (bytes < largePage) {
        return ::operator new(bytes);
    }
    const std::size_t size = mappedSize(bytes);
    void* mapped =
        mmap(nullptr, size + largePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t aligned = (start + largePage - 1) / largePage * largePage;
    if (aligned > start) {
        munmap(mapped, aligned - start);
    }
    const std::size_t after = start + size + largePage - (aligned + size);
    if (after > 0) {
        munmap(reinterpret_cast<void*>(aligned + size), after);
    }
    // The pages are made small first: a large page costs more to make than its small pages
    // together where the memory has never been touched, which would delay the first picture.
    // The advice then lets the kernel merge them into large pages in the background. Both are
    // only advice: where either is not known the memory works the same.
    madvise(reinterpret_cast<void*>(aligned), (bytes + smallPage - 1) / smallPage * smallPage,
            MADV_POPULATE_WRITE);
    // The part of the last large page past the end is left out, so that it is never filled.
    madvise(reinterpret_cast<void*>(aligned), bytes / largePage * largePage, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void releaseScreenMemory(void* memory, std::size_t bytes) noexcept {
    if (memory == nullptr) {
        return;
    }
    if (bytes < largePage) {
        ::operator delete(memory);
        return;
    }
    munmap(memory, mappedSize(bytes));
}

} // namespace Platform
