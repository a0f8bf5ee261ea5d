#include "platform/NamedMutex.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

bool isPlainFileNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
}

// Percent-escaping keeps distinct names distinct ("A'B" and "A_B" must not share a lock).
std::string escapedFileName(const std::string& name) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : name) {
        if (isPlainFileNameCharacter(c)) {
            escaped += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            escaped += '%';
            escaped += hexDigits[byte >> 4];
            escaped += hexDigits[byte & 0x0F];
        }
    }
    return escaped;
}

std::optional<fs::path> runtimeFolder() {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    if (folder == nullptr || *folder == '\0') {
        return std::nullopt;
    }
    std::error_code ignored;
    if (!fs::is_directory(folder, ignored)) {
        return std::nullopt;
    }
    return fs::path(folder);
}

[[noreturn]] void throwLockError(const std::string& name, const std::string& what, int code) {
    throw NamedMutex::Error("Could not " + what + " the lock \"" + name + "\" (" +
                            NamedMutex::lockFilePath(name).string() + "): error " +
                            std::to_string(code) + ", " + std::system_category().message(code));
}

// Opens an existing lock file; an empty result means that nobody ever created the lock.
std::optional<int> openExistingLockFile(const std::string& name) {
    const int descriptor =
        ::open(NamedMutex::lockFilePath(name).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor >= 0) {
        return descriptor;
    }
    if (errno == ENOENT) {
        return std::nullopt;
    }
    throwLockError(name, "open", errno);
}

int lockWithRetry(int descriptor, int operation) {
    int result = 0;
    do {
        result = ::flock(descriptor, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

fs::path NamedMutex::lockFilePath(const std::string& name) {
    if (const auto folder = runtimeFolder()) {
        return *folder / (escapedFileName(name) + ".lock");
    }
    // The temporary folder is shared by all users: each user gets locks of their own there.
    return fs::temp_directory_path() /
           (escapedFileName(name) + "-" + std::to_string(::getuid()) + ".lock");
}

bool NamedMutex::isHeld(const std::string& name) {
    const auto descriptor = openExistingLockFile(name);
    if (!descriptor) {
        return false;
    }
    const bool held = lockWithRetry(*descriptor, LOCK_EX | LOCK_NB) != 0;
    const int lockError = errno;
    ::close(*descriptor);
    if (held && lockError != EWOULDBLOCK) {
        throwLockError(name, "test", lockError);
    }
    return held;
}

std::optional<NamedMutex> NamedMutex::tryAcquire(const std::string& name) {
    const int descriptor = ::open(lockFilePath(name).c_str(),
                                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (descriptor < 0) {
        throwLockError(name, "create", errno);
    }
    if (lockWithRetry(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int lockError = errno;
        ::close(descriptor);
        if (lockError == EWOULDBLOCK) {
            return std::nullopt;
        }
        throwLockError(name, "take", lockError);
    }
    return NamedMutex(name, descriptor);
}

void NamedMutex::waitUntilReleased(const std::string& name) {
    const auto descriptor = openExistingLockFile(name);
    if (!descriptor) {
        return;
    }
    const bool failed = lockWithRetry(*descriptor, LOCK_EX) != 0;
    const int lockError = errno;
    ::close(*descriptor);
    if (failed) {
        throwLockError(name, "wait for", lockError);
    }
}

// The file stays: removing a lock file while another process is about to lock it would let two
// holders exist at once.
void NamedMutex::release(intptr_t handle) noexcept {
    ::close(static_cast<int>(handle));
}
