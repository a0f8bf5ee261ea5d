#include "options/Configuration.h"

#include "platform/KeyValueStore.h"
#include "resources/Strings.h"

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

std::unique_ptr<ScreenSaverOptionsStorage>& currentOptions() {
    static auto options = std::make_unique<ScreenSaverOptionsStorage>();
    return options;
}

KeyValueStore storeOf(bool perUser) {
    return perUser ? KeyValueStore(KeyValueStore::Hive::CurrentUser)
                   : KeyValueStore::machineStoreHolding(Configuration::subkey());
}

std::string detailOf(int code) {
    if (KeyValueStore::isAccessDenied(code)) {
        return Resources::loadString(accessDeniedText);
    }
    return KeyValueStore::errorDetail(code);
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
    // Built aside, so that an error while reading keeps the options in force.
    auto loaded = optionsFromValue(
        std::string_view(reinterpret_cast<const char*>(value.data()), value.size()));
    if (loaded) {
        currentOptions() = std::move(loaded);
    }
}

std::unique_ptr<ScreenSaverOptionsStorage> Configuration::optionsFromValue(std::string_view value) {
    if (value.size() < 4) {
        return nullptr;
    }
    const auto byte = [&](std::size_t index) { return static_cast<uint8_t>(value[index]); };
    const uint32_t version =
        byte(0) | byte(1) << 8 | byte(2) << 16 | static_cast<uint32_t>(byte(3)) << 24;
    if (version < firstVersionWithOptions) {
        return nullptr;
    }
    std::istringstream bytes{std::string(value)};
    bytes.seekg(4);
    return std::make_unique<ScreenSaverOptionsStorage>(bytes);
}

std::string Configuration::valueOf(ScreenSaverOptionsStorage& options) {
    std::ostringstream bytes;
    const char version[4] = {static_cast<char>(currentVersion & 0xFF),
                             static_cast<char>(currentVersion >> 8), 0, 0};
    bytes.write(version, 4);
    options.write(bytes, ScreenSaverOptionsStorage::currentVersion);
    return bytes.str();
}

void Configuration::save(bool perUser) {
    const std::string text = valueOf(*options());

    const KeyValueStore store = storeOf(perUser);
    if (const int code = store.createKey(subkey()); code != 0) {
        throw CreateWriteKeyError(Resources::loadString(cannotCreateKeyText), code);
    }
    const std::vector<uint8_t> value(text.begin(), text.end());
    if (const int code = store.writeValue(subkey(), valueName, value); code != 0) {
        throw CreateWriteKeyError(Resources::loadString(cannotWriteKeyText), code);
    }
}

ScreenSaverOptionsStorage* Configuration::options() {
    return currentOptions().get();
}

void Configuration::useDefaults() {
    currentOptions() = std::make_unique<ScreenSaverOptionsStorage>();
}
