#include "images/FileBytes.h"

#include <fstream>
#include <iterator>

namespace Graphics {

std::optional<std::vector<unsigned char>> fileBytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(stream)),
                                     std::istreambuf_iterator<char>());
    if (stream.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace Graphics
