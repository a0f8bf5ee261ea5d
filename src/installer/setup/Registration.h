#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace Installer {

// What `pluvo-setup register` is told.
struct RegistrationRequest {
    // The machine hive to write into, as the installing process reaches it.
    std::filesystem::path hive;
    // The script's final path, as the entry names it.
    std::string script;
    // Prefixed to the script's path for writing it; a staged install's root.
    std::string destdir;
    // Files installed and folders the install created, one final path a line.
    std::optional<std::filesystem::path> manifest;
    std::optional<std::filesystem::path> createdFolders;
    // The package that installed the product; empty for any other install.
    std::string package;
    // The command the system's list of programs runs to remove the product; empty where the
    // system has no such list.
    std::string uninstallCommand;
};

// Registers an install: stores the machine-wide default settings when the hive has none,
// writes the uninstall script and then the product's entry naming it. The script removes the
// listed files and folders, the script itself, the values and keys this registration (or an
// earlier one over the same install) created, and the uninstalling user's own settings.
// Everything is read and checked before anything is written.
class Registration {
public:
    explicit Registration(RegistrationRequest request);
    void run();

private:
    RegistrationRequest request_;
};

} // namespace Installer
