#pragma once

#include "installer/setup/Registration.h"

#include <string>
#include <vector>

namespace Installer {

// pluvo-setup's command line: "register --hive DIR --script FILE [--manifest FILE]
// [--created-folders FILE] [--package NAME] [--destdir DIR]", "unregister --hive DIR" or
// "list --script FILE".
struct SetupCommandLine {
    enum class Command { Register, Unregister, List };

    // words: the arguments after the program's name. A SetupError names what is wrong.
    static SetupCommandLine parse(const std::vector<std::string>& words);

    Command command = Command::Register;
    // Unregister uses only the hive, list only the script.
    RegistrationRequest request;
};

} // namespace Installer
