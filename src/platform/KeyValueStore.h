#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The settings store: a hive is a folder, a key a sub-folder, a value a file holding exactly its
// bytes. Key paths use backslashes between their parts ("Software\Maker\Product"). A value is
// replaced by writing a temporary file beside it and renaming that into place, so a crash or a
// full disk never leaves half a value behind.
//
// Operations that can fail return a platform error code (an errno value, 0 for success), as the
// callers turn it into their own messages.
class KeyValueStore {
public:
    enum class Hive { CurrentUser, LocalMachine };

    // Current user: $XDG_CONFIG_HOME, else ~/.config. Local machine: the first entry of
    // $XDG_CONFIG_DIRS, else /etc/xdg.
    static std::filesystem::path hiveRoot(Hive hive);
    // Where an install of this build keeps its machine-wide settings and its uninstall entry:
    // the xdg folder of the install's system configuration folder, fixed when it was built.
    static std::filesystem::path installHiveRoot();
    // Every folder that may hold the machine's keys, in the order they are searched: the entries
    // of $XDG_CONFIG_DIRS (else /etc/xdg), then the install's own when they do not name it.
    static std::vector<std::filesystem::path> machineHiveRoots();
    // The machine hive that holds key, the first of machineHiveRoots() to have it; the hive of
    // hiveRoot(LocalMachine) when none has.
    static KeyValueStore machineStoreHolding(const std::string& key);

    explicit KeyValueStore(Hive hive);
    // A store rooted at an explicit folder, for tests and tools.
    explicit KeyValueStore(std::filesystem::path root);

    // Whether the key can be opened for reading.
    bool keyExists(const std::string& key) const;
    // The value's bytes; nothing when the key or the value is missing or unreadable.
    std::optional<std::vector<uint8_t>> readValue(const std::string& key,
                                                  const std::string& name) const;
    std::optional<std::string> readString(const std::string& key, const std::string& name) const;

    // Makes the hive when it is missing; 0 when this process may write into it, else the code
    // of the failure.
    int prepareForWriting() const;
    // Creates the key and the keys above it when missing.
    int createKey(const std::string& key) const;
    // Replaces the value atomically; the key must exist.
    int writeValue(const std::string& key, const std::string& name,
                   const std::vector<uint8_t>& bytes) const;
    int writeString(const std::string& key, const std::string& name, const std::string& text) const;
    int deleteValue(const std::string& key, const std::string& name) const;
    // Removes the key with everything below it.
    int deleteKey(const std::string& key) const;
    // Removes the key and its values only when it has no subkeys (ENOTEMPTY otherwise). The
    // hive itself is never removed.
    int deleteKeyWithoutSubkeys(const std::string& key) const;

    // Whether name can be a value's name: a single file name, so that no name read from
    // outside reaches beyond its key.
    static bool isValueName(const std::string& name);

    // Whether a code the operations returned means the user may not change the store.
    static bool isAccessDenied(int code);
    // The code as the system describes it, for a message that already says what failed.
    static std::string errorDetail(int code);

    const std::filesystem::path& root() const { return root_; }

    std::filesystem::path keyPath(const std::string& key) const;

private:
    std::filesystem::path root_;
};
