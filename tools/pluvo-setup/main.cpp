// Registers an install of the saver and takes a package's registration back; run by the install
// rules and by the package's maintainer scripts.
#include "installer/DefaultUninstallerScript.h"
#include "installer/setup/Registration.h"
#include "installer/setup/ScriptListing.h"
#include "installer/setup/SetupCommandLine.h"
#include "installer/setup/SetupError.h"
#include "installer/setup/Unregistration.h"

#include <cstdio>
#include <exception>

namespace {

const char* const usage =
    "usage: pluvo-setup register --hive DIR --script FILE [--manifest FILE]\n"
    "                            [--created-folders FILE] [--package NAME] [--destdir DIR]\n"
    "       pluvo-setup unregister --hive DIR\n"
    "       pluvo-setup list --script FILE\n";

int run(const Installer::SetupCommandLine& line) {
    if (line.command == Installer::SetupCommandLine::Command::List) {
        std::fputs(Installer::listScript(
                       *Installer::DefaultUninstallerScript::readFile(line.request.script))
                       .c_str(),
                   stdout);
        return 0;
    }
    if (line.command == Installer::SetupCommandLine::Command::Unregister) {
        if (!Installer::Unregistration(line.request.hive).run()) {
            std::printf("pluvo-setup: nothing is registered in %s\n", line.request.hive.c_str());
        }
        return 0;
    }
    Installer::Registration(line.request).run();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Installer::SetupCommandLine line;
    try {
        line = Installer::SetupCommandLine::parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Installer::SetupError& error) {
        std::fprintf(stderr, "pluvo-setup: %s\n%s", error.what(), usage);
        return 1;
    }
    try {
        return run(line);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "pluvo-setup: %s\n", error.what());
        return 1;
    }
}
