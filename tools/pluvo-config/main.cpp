// Shows and resets the saver's stored settings, for users who have no registry editor.
#include "options/Configuration.h"
#include "platform/KeyValueStore.h"
#include "pluvo-config/OptionsReport.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

const char* const usage =
    "usage: pluvo-config show     print every option of the current user\n"
    "       pluvo-config reset    store the default options for the current user\n"
    "       pluvo-config ensure   store the defaults only when the user has no settings yet\n";

std::string storedWhere() {
    return (KeyValueStore(KeyValueStore::Hive::CurrentUser).keyPath(Configuration::subkey()) /
            "Configuration")
        .string();
}

int show() {
    Configuration::load();
    std::printf("# %s\n%s",
                Configuration::exists(true) ? storedWhere().c_str() : "machine-wide settings",
                optionsReport(*Configuration::options()).c_str());
    return 0;
}

int reset() {
    Configuration::useDefaults();
    Configuration::save(true);
    std::printf("Default settings stored in %s\n", storedWhere().c_str());
    return 0;
}

int ensure() {
    if (Configuration::exists(true) || Configuration::exists(false)) {
        return 0;
    }
    return reset();
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc == 2 ? argv[1] : "";
    try {
        if (command == "show") {
            return show();
        }
        if (command == "reset") {
            return reset();
        }
        if (command == "ensure") {
            return ensure();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pluvo-config: %s\n", error.what());
        if (dynamic_cast<const Configuration::NotFoundError*>(&error) != nullptr) {
            std::fprintf(stderr, "Run \"pluvo-config reset\" to store the default settings.\n");
        }
        return 1;
    }
    std::fputs(usage, stderr);
    return 2;
}
