#pragma once

#include "installer/DefaultUninstallerScript.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Installer {

// Collects what an install leaves behind and puts it into the order that lets each removal
// succeed: the files, then the registry values and keys (the deepest key first, as a key goes
// only when it has no subkeys), then the folders, the deepest first, once the files and keys in
// them are gone. Each thing is listed once.
class UninstallScriptBuilder {
public:
    void removeFile(const std::string& path);
    void removeFolder(const std::string& path);
    void removeValue(uint32_t rootKey, const std::string& key, const std::string& name);
    void removeKey(uint32_t rootKey, const std::string& key);
    // Takes over everything an earlier script removes, so that registering again over an
    // install still removes what the first registration created.
    void include(const DefaultUninstallerScript& earlier);

    // texts: the script's two texts, which only tell a reader whose script it is.
    std::unique_ptr<DefaultUninstallerScript> build(const std::string& firstText,
                                                    const std::string& secondText) const;

private:
    struct RegistryItem {
        uint32_t rootKey;
        std::string key;
        std::optional<std::string> valueName;
        bool operator==(const RegistryItem&) const = default;
    };

    std::vector<std::string> files_;
    std::vector<std::string> folders_;
    std::vector<RegistryItem> registry_;
};

} // namespace Installer
