#include "installer/setup/ScriptFile.h"

#include "installer/setup/SetupError.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace Installer {
namespace {

[[noreturn]] void fail(const std::string& path, int code) {
    throw SetupError("cannot write the uninstall script " + path + ": " + std::strerror(code));
}

bool writeAll(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno != EINTR) {
            return false;
        }
        written += count > 0 ? static_cast<std::size_t>(count) : 0;
    }
    return ::fchmod(descriptor, 0644) == 0 && ::fsync(descriptor) == 0;
}

} // namespace

void writeScriptFile(const std::string& path, const DefaultUninstallerScript& script) {
    std::ostringstream stream;
    script.writeTo(stream);
    const std::string bytes = stream.str();

    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) {
        fail(path, error.value());
    }
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        fail(path, errno);
    }
    bool written = writeAll(descriptor, bytes);
    int code = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        code = errno;
    }
    if (written && ::rename(temporary.c_str(), path.c_str()) != 0) {
        written = false;
        code = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        fail(path, code);
    }
}

} // namespace Installer
