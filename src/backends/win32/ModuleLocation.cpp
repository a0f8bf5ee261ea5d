#include "errors/ModuleLocation.h"

#include "backends/win32/WideText.h"

#include <windows.h>

namespace {

HMODULE moduleHolding(uintptr_t address) {
    HMODULE module = nullptr;
    const DWORD flags =
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExW(flags, reinterpret_cast<LPCWSTR>(address), &module)) {
        return nullptr;
    }
    return module;
}

std::string fileNameOf(HMODULE module) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    const std::wstring_view full(path, length);
    const std::size_t slash = full.find_last_of(L"\\/");
    return Win32::narrow(slash == std::wstring_view::npos ? full : full.substr(slash + 1));
}

} // namespace

// The section is found from the module's own headers, numbered from 1 as the linker numbers
// them, with the offset from the section's start.
std::optional<ModuleLocation> moduleLocation(uintptr_t address) {
    const HMODULE module = moduleHolding(address);
    if (module == nullptr) {
        return std::nullopt;
    }
    const auto base = reinterpret_cast<uintptr_t>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    // The section table follows the optional header, whatever size that has.
    const auto* section = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
        reinterpret_cast<const uint8_t*>(&nt->OptionalHeader) +
        nt->FileHeader.SizeOfOptionalHeader);
    const uintptr_t relative = address - base;
    for (WORD index = 0; index < nt->FileHeader.NumberOfSections; ++index, ++section) {
        const uintptr_t start = section->VirtualAddress;
        const uintptr_t size = std::max(section->Misc.VirtualSize, section->SizeOfRawData);
        if (relative >= start && relative < start + size) {
            return ModuleLocation{static_cast<uint32_t>(index + 1), relative - start,
                                  fileNameOf(module)};
        }
    }
    return std::nullopt;
}

uintptr_t programModuleBase() {
    return reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr));
}
