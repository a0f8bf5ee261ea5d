#include "platform/FileReplacement.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

int replaceFile(const std::filesystem::path& path, const std::string& bytes) {
    std::string temporary = path.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return errno;
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
        return code;
    }
    return 0;
}

std::string fileErrorText(int code) {
    return std::strerror(code);
}
