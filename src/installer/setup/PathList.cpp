#include "installer/setup/PathList.h"

#include "installer/setup/SetupError.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace Installer {

std::vector<std::string> readPathList(const std::filesystem::path& file) {
    std::ifstream input(file);
    if (!input) {
        throw SetupError("cannot read " + file.string() + ": " + std::strerror(errno));
    }
    std::vector<std::string> paths;
    std::string line;
    while (std::getline(input, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (!std::filesystem::path(line).is_absolute()) {
            throw SetupError(file.string() + " names a path that is not absolute: " + line);
        }
        paths.push_back(line);
    }
    if (input.bad()) {
        throw SetupError("cannot read " + file.string() + ": " + std::strerror(errno));
    }
    return paths;
}

} // namespace Installer
