#include "app/ProgramFiles.h"

#include "errors/BasicError.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <unistd.h>
#include <vector>

extern char** environ;

std::string ownProgramPath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::string createTemporaryFile(const std::string& prefix) {
    const std::filesystem::path pattern =
        std::filesystem::temp_directory_path() / (prefix + "XXXXXX");
    std::string name = pattern.string();
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        const int code = errno;
        throw BasicError("Cannot create a temporary file in " + pattern.parent_path().string() +
                         ": " + std::strerror(code) + " (" + std::to_string(code) + ")");
    }
    ::close(descriptor);
    return name;
}

// One argument holding the whole text: the started program joins its arguments back into the
// command-line text it parses, so quotes and blanks arrive as they were written.
void startDetached(const std::string& program, const std::string& arguments) {
    std::string programArgument = program;
    std::string argumentText = arguments;
    std::vector<char*> argv{programArgument.data(), argumentText.data(), nullptr};
    pid_t child = 0;
    ::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
}
