#include "app/DialogsLibrary.h"

#include "errors/BasicError.h"

#include <dlfcn.h>
#include <filesystem>

namespace DialogsLibrary {

namespace {

namespace fs = std::filesystem;

std::string ownerProgram;
const DialogFunctions* loaded = nullptr;

fs::path programFolder() {
    if (!ownerProgram.empty()) {
        return fs::path(ownerProgram).parent_path();
    }
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path();
}

// Qt cannot be unloaded from a process safely, so a library once opened stays open, even one
// that is then refused.
const DialogFunctions* open(const fs::path& file, std::string& problems) {
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        problems += "\n" + std::string(::dlerror());
        return nullptr;
    }
    using Entry = const DialogFunctions* (*)();
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "pluvo_dialog_functions"));
    const DialogFunctions* table = entry != nullptr ? entry() : nullptr;
    if (table == nullptr || table->version != DialogFunctions::currentVersion) {
        problems += "\n" + file.string() + ": made for another version of the program";
        return nullptr;
    }
    return table;
}

} // namespace

void belongsTo(const std::string& programPath) {
    ownerProgram = programPath;
}

std::vector<std::string> searchFolders() {
    const fs::path folder = programFolder();
    return {folder.string(), (folder / PLUVO_DIALOGS_FROM_PROGRAM).lexically_normal().string()};
}

const DialogFunctions& functions() {
    if (loaded != nullptr) {
        return *loaded;
    }
    std::string problems;
    for (const std::string& folder : searchFolders()) {
        const fs::path file = fs::path(folder) / fileName;
        std::error_code error;
        if (!fs::exists(file, error)) {
            problems += "\n" + file.string() + ": no such file";
            continue;
        }
        if ((loaded = open(file, problems)) != nullptr) {
            return *loaded;
        }
    }
    throw BasicError("The program's dialogs cannot be shown; their library could not be loaded:" +
                     problems);
}

} // namespace DialogsLibrary
