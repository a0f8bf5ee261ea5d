#include "errors/SafeMemory.h"

#include <windows.h>

// The system copies the bytes, so an unreadable source fails the call instead of faulting.
bool readMemory(uintptr_t address, void* destination, std::size_t size) {
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(address),
                             destination, size, &read) != 0 &&
           read == size;
}

std::optional<uint64_t> readWord(uintptr_t address) {
    uintptr_t word = 0;
    if (!readMemory(address, &word, sizeof word)) {
        return std::nullopt;
    }
    return word;
}
