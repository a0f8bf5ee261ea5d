#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Reads of memory that may be unmapped or protected. The diagnostics follow pointers taken from
// damaged stacks, so a failed read must be reported as such and never fault.
bool readMemory(uintptr_t address, void* destination, std::size_t size);

// One of the machine's words, the size of an address.
inline std::optional<uintptr_t> readWord(uintptr_t address) {
    uintptr_t word = 0;
    if (!readMemory(address, &word, sizeof word)) {
        return std::nullopt;
    }
    return word;
}
