#include "errors/ModuleLocation.h"

#include <cstring>
#include <link.h>
#include <sys/auxv.h>

namespace {

std::string fileNameOf(const char* path) {
    const char* slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

// The loader lists the program first, without a name; the name it was started by stays in the
// auxiliary vector even when the file has since been replaced or deleted.
std::string moduleFileName(const char* loaderName, bool isProgram) {
    if (loaderName != nullptr && loaderName[0] != '\0') {
        return fileNameOf(loaderName);
    }
    if (!isProgram) {
        return {};
    }
    const auto* started = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    return started != nullptr ? fileNameOf(started) : std::string{};
}

// Filled by the loader's callback, which holds the loader's lock: nothing in it may allocate or
// throw, so the file name is made once the search is over.
struct LocationSearch {
    uintptr_t address = 0;
    bool visitingProgram = true;
    bool found = false;
    bool foundInProgram = false;
    const char* loaderName = nullptr;
    uint32_t segmentNumber = 0;
    uintptr_t offset = 0;
};

// A return address just past the last instruction of a segment still belongs to it, hence the
// inclusive end.
int findSegment(dl_phdr_info* module, size_t, void* data) {
    auto& search = *static_cast<LocationSearch*>(data);
    const bool isProgram = search.visitingProgram;
    search.visitingProgram = false;
    uint32_t segmentNumber = 0;
    for (ElfW(Half) i = 0; i < module->dlpi_phnum; ++i) {
        const ElfW(Phdr)& header = module->dlpi_phdr[i];
        if (header.p_type != PT_LOAD) {
            continue;
        }
        ++segmentNumber;
        const uintptr_t start = module->dlpi_addr + header.p_vaddr;
        if (search.address >= start && search.address - start <= header.p_memsz) {
            search.found = true;
            search.foundInProgram = isProgram;
            search.loaderName = module->dlpi_name;
            search.segmentNumber = segmentNumber;
            search.offset = search.address - start;
            return 1;
        }
    }
    return 0;
}

int findProgramBase(dl_phdr_info* module, size_t, void* data) {
    auto& base = *static_cast<uintptr_t*>(data);
    for (ElfW(Half) i = 0; i < module->dlpi_phnum; ++i) {
        if (module->dlpi_phdr[i].p_type == PT_LOAD) {
            const ElfW(Phdr)& header = module->dlpi_phdr[i];
            const uintptr_t alignment = header.p_align > 1 ? header.p_align : 1;
            base = (module->dlpi_addr + header.p_vaddr) & ~(alignment - 1);
            break;
        }
    }
    return 1;
}

} // namespace

std::optional<ModuleLocation> moduleLocation(uintptr_t address) {
    LocationSearch search;
    search.address = address;
    dl_iterate_phdr(findSegment, &search);
    if (!search.found) {
        return std::nullopt;
    }
    return ModuleLocation{search.segmentNumber, search.offset,
                          moduleFileName(search.loaderName, search.foundInProgram)};
}

uintptr_t programModuleBase() {
    uintptr_t base = 0;
    dl_iterate_phdr(findProgramBase, &base);
    return base;
}
