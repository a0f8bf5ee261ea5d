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
#include <string>
#include <vector>

#ifdef _WIN32
#include "backends/win32/WideText.h"

#include <windows.h>
// clang-format off
#include <shellapi.h>
// clang-format on
#endif

namespace {

const char* const usage =
    "usage: pluvo-setup register --hive DIR --script FILE [--manifest FILE]\n"
    "                            [--created-folders FILE] [--package NAME] [--destdir DIR]\n"
    "                            [--uninstall-command TEXT]\n"
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
            std::printf("pluvo-setup: nothing is registered in %s\n",
                        line.request.hive.string().c_str());
        }
        return 0;
    }
    Installer::Registration(line.request).run();
    return 0;
}

// The words after the program's name, in UTF-8: Windows passes the narrow ones in the user's
// code page, which may not hold every character of a path.
#ifdef _WIN32
std::vector<std::string> argumentsOf(int, char**) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(Win32::narrow(words[i]));
    }
    LocalFree(words);
    return arguments;
}
#else
std::vector<std::string> argumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

} // namespace

int main(int argc, char** argv) {
    Installer::SetupCommandLine line;
    try {
        line = Installer::SetupCommandLine::parse(argumentsOf(argc, argv));
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
