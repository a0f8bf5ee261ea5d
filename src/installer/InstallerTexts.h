#pragma once

#include <cstdint>
#include <string>

namespace Installer {

// The uninstaller's texts, numbered from the installer unit's string base.
enum class Text : uint32_t {
    interruptQuestion = 3,
    finish = 8,
    next = 11,
    progressTitle = 13,
    progressDescription = 14,
    removingFolders = 22,
    removingFile = 41,
    alreadyRemoved = 50,
    addRemovePrograms = 51,
    removeQuestion = 52,
    removed = 53,
    administratorNeeded = 54,
    removingRegistryData = 55,
    cannotUnregister = 56,
    removedByPackageManager = 57,
};

// The text with each "%1" replaced by insert.
std::string text(Text id, const std::string& insert = {});
// The text with "%1" and "%2" replaced.
std::string text(Text id, const std::string& first, const std::string& second);

} // namespace Installer
