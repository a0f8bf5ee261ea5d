#pragma once

#include <cstdint>
#include <string>

// The eight figures of the memory-status snapshot, in bytes apart from the first two.
struct MemoryStatus {
    uint32_t length = 32;
    uint32_t memoryLoad = 0; // percent of physical memory in use
    uint64_t totalPhysical = 0;
    uint64_t availablePhysical = 0;
    uint64_t totalPageFile = 0; // swap
    uint64_t availablePageFile = 0;
    uint64_t totalVirtual = 0; // address space this process may use
    uint64_t availableVirtual = 0;
};

// Physical memory and swap as the kernel counts them; the address space as this process sees it:
// its address-space limit (or the whole user half of the address space when there is none) and
// what of it is not yet mapped.
MemoryStatus currentMemoryStatus();

// "<available MiB>M/<total MiB>M" of physical memory.
std::string memoryText(const MemoryStatus& status);
