#include "installer/setup/SetupCommandLine.h"

#include "installer/setup/SetupError.h"

#include <algorithm>
#include <map>

namespace Installer {
namespace {

using Options = std::map<std::string, std::string>;

Options readOptions(const std::vector<std::string>& words, const std::vector<std::string>& known) {
    Options options;
    for (std::size_t i = 1; i < words.size(); i += 2) {
        const std::string& name = words[i];
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            throw SetupError("unknown option for " + words[0] + ": " + name);
        }
        if (i + 1 >= words.size() || words[i + 1].empty()) {
            throw SetupError(name + " needs a value");
        }
        options[name] = words[i + 1];
    }
    return options;
}

std::string required(const Options& options, const std::string& name) {
    const auto found = options.find(name);
    if (found == options.end()) {
        throw SetupError(name + " is missing");
    }
    return found->second;
}

std::string optional(const Options& options, const std::string& name) {
    const auto found = options.find(name);
    return found == options.end() ? std::string() : found->second;
}

} // namespace

SetupCommandLine SetupCommandLine::parse(const std::vector<std::string>& words) {
    SetupCommandLine line;
    if (words.empty()) {
        throw SetupError("no command: give register, unregister or list");
    }
    if (words[0] == "unregister") {
        line.command = Command::Unregister;
        line.request.hive = required(readOptions(words, {"--hive"}), "--hive");
        return line;
    }
    if (words[0] == "list") {
        line.command = Command::List;
        line.request.script = required(readOptions(words, {"--script"}), "--script");
        return line;
    }
    if (words[0] != "register") {
        throw SetupError("unknown command: " + words[0]);
    }
    const Options options =
        readOptions(words, {"--hive", "--script", "--manifest", "--created-folders", "--package",
                            "--destdir", "--uninstall-command"});
    line.request.hive = required(options, "--hive");
    line.request.script = required(options, "--script");
    if (const std::string manifest = optional(options, "--manifest"); !manifest.empty()) {
        line.request.manifest = manifest;
    }
    if (const std::string folders = optional(options, "--created-folders"); !folders.empty()) {
        line.request.createdFolders = folders;
    }
    line.request.package = optional(options, "--package");
    line.request.destdir = optional(options, "--destdir");
    line.request.uninstallCommand = optional(options, "--uninstall-command");
    return line;
}

} // namespace Installer
