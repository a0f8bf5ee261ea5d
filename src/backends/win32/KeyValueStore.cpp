#include "platform/KeyValueStore.h"

#include "backends/win32/WideText.h"

#include <windows.h>

namespace fs = std::filesystem;

// The store is the registry itself. A store's root is a predefined key by its name
// ("HKEY_CURRENT_USER"), optionally followed by a subkey under which tests and tools keep a hive
// of their own; the codes returned are the registry functions' own.

namespace {

constexpr const wchar_t* currentUserName = L"HKEY_CURRENT_USER";
constexpr const wchar_t* localMachineName = L"HKEY_LOCAL_MACHINE";

struct RegistryPlace {
    HKEY root;
    std::wstring prefix;
};

RegistryPlace placeOf(const fs::path& storeRoot) {
    const std::wstring text = storeRoot.wstring();
    const std::size_t split = text.find(L'\\');
    const std::wstring rootName = text.substr(0, split);
    const HKEY root = rootName == localMachineName ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    return {root, split == std::wstring::npos ? std::wstring() : text.substr(split + 1)};
}

// The registry folds "." and ".." into ordinary names, but an empty part would name the key
// above; they are dropped, as the file store drops them.
std::wstring cleanedKey(const std::string& key) {
    std::wstring cleaned;
    std::size_t start = 0;
    while (start <= key.size()) {
        const std::size_t end = std::min(key.find('\\', start), key.size());
        const std::string part = key.substr(start, end - start);
        if (!part.empty() && part != "." && part != "..") {
            if (!cleaned.empty()) {
                cleaned += L'\\';
            }
            cleaned += Win32::wide(part);
        }
        start = end + 1;
    }
    return cleaned;
}

std::wstring subkeyOf(const KeyValueStore& store, const std::string& key) {
    const RegistryPlace place = placeOf(store.root());
    const std::wstring cleaned = cleanedKey(key);
    if (place.prefix.empty()) {
        return cleaned;
    }
    return cleaned.empty() ? place.prefix : place.prefix + L'\\' + cleaned;
}

class OpenKey {
public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    HKEY* receiver() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

LONG openKey(const KeyValueStore& store, const std::string& key, REGSAM access, OpenKey& opened) {
    return RegOpenKeyExW(placeOf(store.root()).root, subkeyOf(store, key).c_str(), 0, access,
                         opened.receiver());
}

std::optional<std::vector<uint8_t>> queryValue(HKEY key, const std::wstring& name, DWORD& type) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(size);
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

} // namespace

fs::path KeyValueStore::hiveRoot(Hive hive) {
    return fs::path(hive == Hive::CurrentUser ? currentUserName : localMachineName);
}

fs::path KeyValueStore::installHiveRoot() {
    return hiveRoot(Hive::LocalMachine);
}

std::vector<fs::path> KeyValueStore::machineHiveRoots() {
    return {installHiveRoot()};
}

KeyValueStore KeyValueStore::machineStoreHolding(const std::string&) {
    return KeyValueStore(Hive::LocalMachine);
}

KeyValueStore::KeyValueStore(Hive hive) : root_(hiveRoot(hive)) {}

KeyValueStore::KeyValueStore(fs::path root) : root_(std::move(root)) {}

fs::path KeyValueStore::keyPath(const std::string& key) const {
    const std::wstring cleaned = cleanedKey(key);
    return cleaned.empty() ? root_ : fs::path(root_.wstring() + L'\\' + cleaned);
}

bool KeyValueStore::keyExists(const std::string& key) const {
    OpenKey opened;
    return openKey(*this, key, KEY_READ, opened) == ERROR_SUCCESS;
}

std::optional<std::vector<uint8_t>> KeyValueStore::readValue(const std::string& key,
                                                             const std::string& name) const {
    OpenKey opened;
    if (openKey(*this, key, KEY_READ, opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = REG_NONE;
    return queryValue(opened.get(), Win32::wide(name), type);
}

// Strings are stored as the system stores them, in UTF-16 with a terminator, so that the
// system's own tools show them.
std::optional<std::string> KeyValueStore::readString(const std::string& key,
                                                     const std::string& name) const {
    OpenKey opened;
    if (openKey(*this, key, KEY_READ, opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = REG_NONE;
    const auto bytes = queryValue(opened.get(), Win32::wide(name), type);
    if (!bytes) {
        return std::nullopt;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        return std::string(bytes->begin(), bytes->end());
    }
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    std::copy(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(text.size() * 2),
              reinterpret_cast<uint8_t*>(text.data()));
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return Win32::narrow(text);
}

// The predefined keys always exist; whether this process may make keys under the store's place
// is what counts.
int KeyValueStore::prepareForWriting() const {
    const RegistryPlace place = placeOf(root_);
    OpenKey opened;
    return static_cast<int>(RegCreateKeyExW(
        place.root, place.prefix.empty() ? L"Software" : place.prefix.c_str(), 0, nullptr,
        REG_OPTION_NON_VOLATILE, KEY_CREATE_SUB_KEY, nullptr, opened.receiver(), nullptr));
}

int KeyValueStore::createKey(const std::string& key) const {
    OpenKey created;
    return static_cast<int>(RegCreateKeyExW(placeOf(root_).root, subkeyOf(*this, key).c_str(), 0,
                                            nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                            nullptr, created.receiver(), nullptr));
}

namespace {

int setValue(const KeyValueStore& store, const std::string& key, const std::string& name,
             DWORD type, const BYTE* data, std::size_t size) {
    OpenKey opened;
    if (const LONG code = openKey(store, key, KEY_SET_VALUE, opened); code != ERROR_SUCCESS) {
        return static_cast<int>(code);
    }
    return static_cast<int>(RegSetValueExW(opened.get(), Win32::wide(name).c_str(), 0, type, data,
                                           static_cast<DWORD>(size)));
}

} // namespace

int KeyValueStore::writeValue(const std::string& key, const std::string& name,
                              const std::vector<uint8_t>& bytes) const {
    return setValue(*this, key, name, REG_BINARY, bytes.data(), bytes.size());
}

int KeyValueStore::writeString(const std::string& key, const std::string& name,
                               const std::string& text) const {
    const std::wstring wideText = Win32::wide(text);
    return setValue(*this, key, name, REG_SZ, reinterpret_cast<const BYTE*>(wideText.c_str()),
                    (wideText.size() + 1) * sizeof(wchar_t));
}

bool KeyValueStore::isValueName(const std::string& name) {
    return !name.empty();
}

int KeyValueStore::deleteValue(const std::string& key, const std::string& name) const {
    if (!isValueName(name)) {
        return ERROR_INVALID_PARAMETER;
    }
    OpenKey opened;
    if (const LONG code = openKey(*this, key, KEY_SET_VALUE, opened); code != ERROR_SUCCESS) {
        return static_cast<int>(code);
    }
    return static_cast<int>(RegDeleteValueW(opened.get(), Win32::wide(name).c_str()));
}

int KeyValueStore::deleteKey(const std::string& key) const {
    const std::wstring subkey = subkeyOf(*this, key);
    if (subkey.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    const HKEY root = placeOf(root_).root;
    if (const LONG code = RegDeleteTreeW(root, subkey.c_str()); code != ERROR_SUCCESS) {
        return static_cast<int>(code);
    }
    // Some versions of the system leave the emptied key itself in place.
    const LONG code = RegDeleteKeyW(root, subkey.c_str());
    return code == ERROR_FILE_NOT_FOUND ? 0 : static_cast<int>(code);
}

int KeyValueStore::deleteKeyWithoutSubkeys(const std::string& key) const {
    if (cleanedKey(key).empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    DWORD subkeys = 0;
    {
        OpenKey opened;
        if (const LONG code = openKey(*this, key, KEY_READ, opened); code != ERROR_SUCCESS) {
            return static_cast<int>(code);
        }
        const LONG code =
            RegQueryInfoKeyW(opened.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr);
        if (code != ERROR_SUCCESS) {
            return static_cast<int>(code);
        }
    }
    if (subkeys != 0) {
        return ERROR_DIR_NOT_EMPTY;
    }
    return static_cast<int>(RegDeleteKeyW(placeOf(root_).root, subkeyOf(*this, key).c_str()));
}

bool KeyValueStore::isAccessDenied(int code) {
    return code == ERROR_ACCESS_DENIED;
}

std::string KeyValueStore::errorDetail(int code) {
    return " GetLastError() = " + std::to_string(code);
}
