#include "platform/KeyValueStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path environmentPath(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? fs::path(value) : fs::path();
}

fs::path firstEntry(const fs::path& list) {
    const std::string text = list.string();
    return fs::path(text.substr(0, text.find(':')));
}

int lastError() {
    return errno != 0 ? errno : EIO;
}

// Writes all of bytes to the descriptor and makes them durable before the rename publishes them.
int writeAll(int descriptor, const std::vector<uint8_t>& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        written += static_cast<std::size_t>(count);
    }
    return ::fsync(descriptor) == 0 ? 0 : lastError();
}

// Holds an exclusive lock on a key's folder, so that two processes saving into one key take
// turns and neither mistakes the other's temporary file for one a killed save left behind. The
// lock goes with the process, so a killed save never holds it.
class KeyFolderLock {
public:
    explicit KeyFolderLock(const fs::path& folder)
        : descriptor_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (descriptor_ >= 0) {
            while (::flock(descriptor_, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~KeyFolderLock() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    KeyFolderLock(const KeyFolderLock&) = delete;
    KeyFolderLock& operator=(const KeyFolderLock&) = delete;

private:
    int descriptor_;
};

std::string temporaryPrefix(const std::string& name) {
    return "." + name + ".";
}

// A save killed between making its temporary file and renaming it leaves the file behind; left
// there, they would pile up and keep the uninstaller from removing the key's folder.
void removeLeftoverTemporaries(const fs::path& folder, const std::string& name) {
    const std::string prefix = temporaryPrefix(name);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string file = entry.path().filename().string();
        if (file.size() == prefix.size() + 6 && file.starts_with(prefix)) {
            fs::remove(entry.path(), error);
        }
    }
}

} // namespace

fs::path KeyValueStore::hiveRoot(Hive hive) {
    if (hive == Hive::CurrentUser) {
        fs::path configHome = environmentPath("XDG_CONFIG_HOME");
        if (configHome.empty()) {
            configHome = environmentPath("HOME") / ".config";
        }
        return configHome;
    }
    const fs::path configDirs = environmentPath("XDG_CONFIG_DIRS");
    return configDirs.empty() ? fs::path("/etc/xdg") : firstEntry(configDirs);
}

fs::path KeyValueStore::installHiveRoot() {
#ifdef PLUVO_INSTALL_HIVE
    return fs::path(PLUVO_INSTALL_HIVE);
#else
    return fs::path("/etc/xdg");
#endif
}

std::vector<fs::path> KeyValueStore::machineHiveRoots() {
    std::vector<fs::path> roots;
    const std::string configDirs = environmentPath("XDG_CONFIG_DIRS").string();
    std::size_t start = 0;
    while (start < configDirs.size()) {
        const std::size_t end = std::min(configDirs.find(':', start), configDirs.size());
        if (end > start) {
            roots.emplace_back(configDirs.substr(start, end - start));
        }
        start = end + 1;
    }
    if (roots.empty()) {
        roots.emplace_back("/etc/xdg");
    }
    // Compared as folders, so that a trailing slash or a "." makes no difference.
    const auto asFolder = [](const fs::path& path) { return (path / "").lexically_normal(); };
    const fs::path install = asFolder(installHiveRoot());
    const bool named = std::any_of(roots.begin(), roots.end(),
                                   [&](const fs::path& root) { return asFolder(root) == install; });
    if (!named) {
        roots.push_back(installHiveRoot());
    }
    return roots;
}

KeyValueStore KeyValueStore::machineStoreHolding(const std::string& key) {
    for (const fs::path& root : machineHiveRoots()) {
        KeyValueStore store(root);
        if (store.keyExists(key)) {
            return store;
        }
    }
    return KeyValueStore(Hive::LocalMachine);
}

KeyValueStore::KeyValueStore(Hive hive) : root_(hiveRoot(hive)) {}

KeyValueStore::KeyValueStore(fs::path root) : root_(std::move(root)) {}

fs::path KeyValueStore::keyPath(const std::string& key) const {
    fs::path path = root_;
    std::size_t start = 0;
    while (start <= key.size()) {
        const std::size_t end = std::min(key.find('\\', start), key.size());
        const std::string part = key.substr(start, end - start);
        // "." and ".." would let a key name escape its hive.
        if (!part.empty() && part != "." && part != "..") {
            path /= part;
        }
        start = end + 1;
    }
    return path;
}

bool KeyValueStore::keyExists(const std::string& key) const {
    const fs::path path = keyPath(key);
    return ::access(path.c_str(), R_OK | X_OK) == 0 && fs::is_directory(path);
}

std::optional<std::vector<uint8_t>> KeyValueStore::readValue(const std::string& key,
                                                             const std::string& name) const {
    std::ifstream file(keyPath(key) / name, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> KeyValueStore::readString(const std::string& key,
                                                     const std::string& name) const {
    const auto bytes = readValue(key, name);
    if (!bytes) {
        return std::nullopt;
    }
    return std::string(bytes->begin(), bytes->end());
}

int KeyValueStore::prepareForWriting() const {
    std::error_code error;
    fs::create_directories(root_, error);
    if (error) {
        return error.value();
    }
    return ::access(root_.c_str(), W_OK) == 0 ? 0 : errno;
}

int KeyValueStore::createKey(const std::string& key) const {
    std::error_code error;
    fs::create_directories(keyPath(key), error);
    return error.value();
}

int KeyValueStore::writeValue(const std::string& key, const std::string& name,
                              const std::vector<uint8_t>& bytes) const {
    const fs::path folder = keyPath(key);
    const fs::path target = folder / name;
    const KeyFolderLock lock(folder);
    removeLeftoverTemporaries(folder, name);
    std::string temporary = (folder / (temporaryPrefix(name) + "XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return lastError();
    }
    int result = writeAll(descriptor, bytes);
    if (::close(descriptor) != 0 && result == 0) {
        result = lastError();
    }
    if (result == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        result = lastError();
    }
    if (result != 0) {
        ::unlink(temporary.c_str());
    }
    return result;
}

int KeyValueStore::writeString(const std::string& key, const std::string& name,
                               const std::string& text) const {
    return writeValue(key, name, std::vector<uint8_t>(text.begin(), text.end()));
}

bool KeyValueStore::isValueName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

int KeyValueStore::deleteValue(const std::string& key, const std::string& name) const {
    if (!isValueName(name)) {
        return EINVAL;
    }
    return ::unlink((keyPath(key) / name).c_str()) == 0 ? 0 : lastError();
}

int KeyValueStore::deleteKey(const std::string& key) const {
    std::error_code error;
    fs::remove_all(keyPath(key), error);
    return error.value();
}

int KeyValueStore::deleteKeyWithoutSubkeys(const std::string& key) const {
    const fs::path path = keyPath(key);
    if (path == root_) {
        return EINVAL;
    }
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(path, error)) {
        if (entry.is_directory(error) && !entry.is_symlink(error)) {
            return ENOTEMPTY;
        }
    }
    if (error) {
        return error.value();
    }
    fs::remove_all(path, error);
    return error.value();
}

bool KeyValueStore::isAccessDenied(int code) {
    return code == EACCES || code == EPERM || code == EROFS;
}

std::string KeyValueStore::errorDetail(int code) {
    return std::string(std::strerror(code)) + " (error " + std::to_string(code) + ")";
}
