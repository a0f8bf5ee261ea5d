#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace Graphics {

// The whole content of a picture file; none when it cannot be opened or read. The standard
// streams take any file name the system allows, where the C library's would need the name in
// the user's code page.
std::optional<std::vector<unsigned char>> fileBytes(const std::filesystem::path& file);

} // namespace Graphics
