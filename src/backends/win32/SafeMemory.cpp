#include "errors/SafeMemory.h"

#include <windows.h>

namespace {

constexpr DWORD readableProtection = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                     PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                     PAGE_EXECUTE_WRITECOPY;

// Every page of the range committed and readable. Asked first because reading our own process
// may bypass the pages' protection (Wine reads through the process's memory file), and a guard
// page must never be touched, which would take its guard away.
bool isReadable(uintptr_t address, std::size_t size) {
    const uintptr_t end = address + size;
    if (end < address) {
        return false;
    }
    while (address < end) {
        MEMORY_BASIC_INFORMATION region{};
        if (VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region) == 0 ||
            region.State != MEM_COMMIT || (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0 ||
            (region.Protect & readableProtection) == 0) {
            return false;
        }
        address = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
    }
    return true;
}

} // namespace

// The system copies the bytes, so a page that goes away meanwhile fails the call instead of
// faulting.
bool readMemory(uintptr_t address, void* destination, std::size_t size) {
    SIZE_T read = 0;
    return isReadable(address, size) &&
           ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(address),
                             destination, size, &read) != 0 &&
           read == size;
}
