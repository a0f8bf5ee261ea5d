#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Where an address lies in the loaded program or one of its shared libraries.
struct ModuleLocation {
    uint32_t section = 0; // the module's loadable segment, numbered from 1 in header order
    uintptr_t offset = 0; // from the start of that segment
    std::string fileName; // name and extension, without the folder
};

// None when the address lies in no loadable segment of any loaded module.
std::optional<ModuleLocation> moduleLocation(uintptr_t address);

// The address the program itself is loaded at (its first loadable segment).
uintptr_t programModuleBase();
