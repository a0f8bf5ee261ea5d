#pragma once

#include <cstdint>
#include <stdexcept>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

// A readable, writable page followed by a page that cannot be touched: memory whose end a
// diagnostic dump must notice without faulting.
class GuardedPage {
public:
#ifdef _WIN32
    GuardedPage() : size_(4096) {
        void* pages = VirtualAlloc(nullptr, 2 * size_, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (pages == nullptr) {
            throw std::runtime_error("VirtualAlloc failed");
        }
        start_ = reinterpret_cast<uintptr_t>(pages);
        DWORD previous = 0;
        VirtualProtect(reinterpret_cast<void*>(unreadable()), size_, PAGE_NOACCESS, &previous);
    }
    ~GuardedPage() {
        VirtualFree(reinterpret_cast<void*>(start_), 0, MEM_RELEASE);
    }
#else
    GuardedPage() : size_(static_cast<std::size_t>(sysconf(_SC_PAGESIZE))) {
        void* pages =
            mmap(nullptr, 2 * size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pages == MAP_FAILED) {
            throw std::runtime_error("mmap failed");
        }
        start_ = reinterpret_cast<uintptr_t>(pages);
        mprotect(reinterpret_cast<void*>(unreadable()), size_, PROT_NONE);
    }
    ~GuardedPage() {
        munmap(reinterpret_cast<void*>(start_), 2 * size_);
    }
#endif
    GuardedPage(const GuardedPage&) = delete;
    GuardedPage& operator=(const GuardedPage&) = delete;

    uintptr_t readable() const {
        return start_;
    }
    uintptr_t unreadable() const {
        return start_ + size_;
    }

    // The machine's word at a byte offset into the readable page.
    uintptr_t& word(std::size_t offset) {
        return *reinterpret_cast<uintptr_t*>(start_ + offset);
    }

private:
    std::size_t size_;
    uintptr_t start_ = 0;
};
