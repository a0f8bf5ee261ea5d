#pragma once

#include "platform/KeyValueStore.h"

#include <string>

namespace Installer {

// The product's entry among the machine's installed programs: the name shown to the user and
// the script that undoes the install. A package manager's install names its package as well, so
// that the uninstaller can send the user there.
struct ProductEntry {
    static constexpr const char* uninstallKey =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    static constexpr const char* displayNameValue = "DisplayName";
    static constexpr const char* scriptValue = "UninstallScript";
    static constexpr const char* packageValue = "Package";
    // What Windows' list of installed programs runs to remove the product.
    static constexpr const char* uninstallCommandValue = "UninstallString";

    // The entry's key for the product's uninstall key name.
    static std::string key(const std::string& keyName);
    // The entry as the machine hive that holds it stores it; a missing key or value reads empty.
    static ProductEntry read(const KeyValueStore& store, const std::string& keyName);

    std::string displayName;
    std::string uninstallScript;
    std::string package;
};

} // namespace Installer
