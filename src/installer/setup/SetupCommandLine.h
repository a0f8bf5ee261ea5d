#pragma once

#include "installer/setup/Registration.h"

#include <string>
#include <vector>

namespace Installer {

// pluvo-setup's command line: "register --hive DIR --script FILE [--manifest FILE]
// [--created-folders FILE] [--package NAME] [--destdir DIR]" or "unregister --hive DIR".
struct SetupCommandLine {
    enum class Command { Register, Unregister };

    // words: the arguments after the program's name. A SetupError names what is wrong.
    static SetupCommandLine parse(const std::vector<std::string>& words);

    Command command = Command::Register;
    // For unregister only the hive is used.
    RegistrationRequest request;
};

} // namespace Installer
