#pragma once

#include <filesystem>

namespace Installer {

// Takes back what registration made for a package, for the package's removal: the machine
// values and keys its script says it created (the default settings among them), the script, the
// entry, and each key above those that is then empty. Files are the package manager's, and
// nothing else in the hive is touched. Without an entry there is nothing to do.
class Unregistration {
public:
    explicit Unregistration(std::filesystem::path hive);
    // False when there was no entry.
    bool run();

private:
    std::filesystem::path hive_;
};

} // namespace Installer
