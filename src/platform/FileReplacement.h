#pragma once

#include <filesystem>
#include <string>

// Replaces a file's contents as one step: the bytes go into a new file beside it, which is
// written through to the disk and then renamed over the old one, so that a crash or a full disk
// leaves the old file or the new one, never half of one. Returns 0, or the system's code of the
// failure; the new file is gone after a failure.
int replaceFile(const std::filesystem::path& path, const std::string& bytes);

// What the system says of a code replaceFile returned.
std::string fileErrorText(int code);
