#include "options/Configuration.h"

#include "platform/KeyValueStore.h"
#include "resources/Strings.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <sstream>

namespace {

constexpr uint32_t firstVersionWithOptions = 512;
const char* const valueName = "Configuration";

// String-table texts of the error messages.
constexpr uint32_t cannotCreateKeyText = 1005;
constexpr uint32_t cannotWriteKeyText = 1006;
constexpr uint32_t accessDeniedText = 1007;
constexpr uint32_t productNameText = 1002;

// The code the registry would have given for a refused access, so that the message names it.
constexpr int accessDeniedCode = 5;

std::unique_ptr<ScreenSaverOptionsStorage>& currentOptions() {
    static auto options = std::make_unique<ScreenSaverOptionsStorage>();
    return options;
}

KeyValueStore storeOf(bool perUser) {
    return KeyValueStore(perUser ? KeyValueStore::Hive::CurrentUser
                                 : KeyValueStore::Hive::LocalMachine);
}

int reportedCode(int platformCode) {
    if (platformCode == EACCES || platformCode == EPERM || platformCode == EROFS) {
        return accessDeniedCode;
    }
    return platformCode;
}

std::string detailOf(int code) {
    if (code == accessDeniedCode) {
        return Resources::loadString(accessDeniedText);
    }
    return std::string(std::strerror(code)) + " (error " + std::to_string(code) + ")";
}

} // namespace

Configuration::NotFoundError::NotFoundError() : BasicError("Configuration doesn't exist!") {}

Configuration::CreateWriteKeyError::CreateWriteKeyError(const std::string& baseText, int code)
    : BasicError(baseText + ": " + detailOf(code) + ".") {}

const std::string& Configuration::subkey() {
    static const std::string key = "Software\\Quorvel\\" + Resources::loadString(productNameText);
    return key;
}

bool Configuration::exists(bool perUser) {
    return storeOf(perUser).keyExists(subkey());
}

void Configuration::load() {
    if (exists(true)) {
        load(true);
    } else if (exists(false)) {
        load(false);
    } else {
        throw NotFoundError();
    }
}

void Configuration::load(bool perUser) {
    const KeyValueStore store = storeOf(perUser);
    if (!store.keyExists(subkey())) {
        throw NotFoundError();
    }
    const std::vector<uint8_t> value =
        store.readValue(subkey(), valueName).value_or(std::vector<uint8_t>());
    if (value.size() < 4) {
        return;
    }
    std::istringstream bytes(std::string(value.begin(), value.end()));
    const uint32_t version =
        value[0] | value[1] << 8 | value[2] << 16 | static_cast<uint32_t>(value[3]) << 24;
    if (version < firstVersionWithOptions) {
        return;
    }
    bytes.seekg(4);
    // Built aside, so that an error while reading keeps the options in force.
    auto loaded = std::make_unique<ScreenSaverOptionsStorage>(bytes);
    currentOptions() = std::move(loaded);
}

void Configuration::save(bool perUser) {
    std::ostringstream bytes;
    const char version[4] = {static_cast<char>(currentVersion & 0xFF),
                             static_cast<char>(currentVersion >> 8), 0, 0};
    bytes.write(version, 4);
    options()->write(bytes, ScreenSaverOptionsStorage::currentVersion);
    const std::string text = bytes.str();

    const KeyValueStore store = storeOf(perUser);
    if (const int code = store.createKey(subkey()); code != 0) {
        throw CreateWriteKeyError(Resources::loadString(cannotCreateKeyText), reportedCode(code));
    }
    const std::vector<uint8_t> value(text.begin(), text.end());
    if (const int code = store.writeValue(subkey(), valueName, value); code != 0) {
        throw CreateWriteKeyError(Resources::loadString(cannotWriteKeyText), reportedCode(code));
    }
}

ScreenSaverOptionsStorage* Configuration::options() {
    return currentOptions().get();
}

void Configuration::useDefaults() {
    currentOptions() = std::make_unique<ScreenSaverOptionsStorage>();
}
