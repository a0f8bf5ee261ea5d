#include "installer/setup/Registration.h"

#include "installer/ProductEntry.h"
#include "installer/RegistryRoots.h"
#include "installer/setup/HiveKeys.h"
#include "installer/setup/PathList.h"
#include "installer/setup/ProductKeys.h"
#include "installer/setup/ScriptFile.h"
#include "installer/setup/SetupError.h"
#include "installer/setup/UninstallScriptBuilder.h"
#include "options/Configuration.h"
#include "resources/Strings.h"

namespace fs = std::filesystem;

namespace Installer {
namespace {

constexpr uint32_t displayNameText = 1;
constexpr const char* productVersion = "2.2.17";

void check(int code, const KeyValueStore& store, const std::string& key) {
    if (code != 0) {
        throw SetupError("cannot write " + store.keyPath(key).string() + ": " +
                         KeyValueStore::errorDetail(code));
    }
}

// The script an earlier registration of this install left, when it can still be read.
std::unique_ptr<DefaultUninstallerScript> earlierScript(const KeyValueStore& store,
                                                        const std::string& destdir) {
    const ProductEntry entry = ProductEntry::read(store, productUninstallKeyName);
    if (entry.uninstallScript.empty()) {
        return nullptr;
    }
    try {
        return DefaultUninstallerScript::readFile(destdir + entry.uninstallScript);
    } catch (const std::exception&) {
        return nullptr;
    }
}

void storeDefaultSettings(const KeyValueStore& store) {
    const std::string& key = Configuration::subkey();
    check(store.createKey(key), store, key);
    ScreenSaverOptionsStorage defaults;
    const std::string value = Configuration::valueOf(defaults);
    check(
        store.writeValue(key, settingsValueName, std::vector<uint8_t>(value.begin(), value.end())),
        store, key);
}

// An optional value is written when given, and one an earlier registration wrote goes.
void writeOptional(const KeyValueStore& store, const std::string& key, const std::string& name,
                   const std::string& text) {
    if (!text.empty()) {
        check(store.writeString(key, name, text), store, key);
    } else if (store.readValue(key, name)) {
        check(store.deleteValue(key, name), store, key);
    }
}

void writeEntry(const KeyValueStore& store, const std::string& displayName,
                const RegistrationRequest& request) {
    const std::string key = ProductEntry::key(productUninstallKeyName);
    check(store.createKey(key), store, key);
    check(store.writeString(key, ProductEntry::displayNameValue, displayName), store, key);
    check(store.writeString(key, ProductEntry::scriptValue, request.script), store, key);
    writeOptional(store, key, ProductEntry::packageValue, request.package);
    writeOptional(store, key, ProductEntry::uninstallCommandValue, request.uninstallCommand);
}

} // namespace

Registration::Registration(RegistrationRequest request) : request_(std::move(request)) {}

void Registration::run() {
    const std::vector<std::string> files =
        request_.manifest ? readPathList(*request_.manifest) : std::vector<std::string>();
    const std::vector<std::string> folders = request_.createdFolders
                                                 ? readPathList(*request_.createdFolders)
                                                 : std::vector<std::string>();
    if (!fs::path(request_.script).is_absolute()) {
        throw SetupError("the script's path is not absolute: " + request_.script);
    }
    const KeyValueStore store(request_.hive);
    if (const int code = store.prepareForWriting(); code != 0) {
        throw SetupError("cannot write to the hive " + request_.hive.string() + ": " +
                         KeyValueStore::errorDetail(code));
    }
    const std::string& settingsKey = Configuration::subkey();
    const std::string entryKey = ProductEntry::key(productUninstallKeyName);
    const uint32_t machine = RegistryRoots::localMachine;
    const uint32_t user = RegistryRoots::currentUser;

    UninstallScriptBuilder script;
    for (const std::string& file : files) {
        script.removeFile(file);
    }
    script.removeFile(request_.script);
    if (const auto earlier = earlierScript(store, request_.destdir)) {
        script.include(*earlier);
    }
    // Only what this registration creates is its to remove; a key or setting that was there
    // before belongs to someone else.
    const bool storeDefaults = !store.readValue(settingsKey, settingsValueName);
    for (const std::string& key : missingKeys(store, settingsKey)) {
        script.removeKey(machine, key);
    }
    if (storeDefaults) {
        script.removeValue(machine, settingsKey, settingsValueName);
    }
    for (const std::string& key : missingKeys(store, entryKey)) {
        script.removeKey(machine, key);
    }
    script.removeValue(machine, entryKey, ProductEntry::displayNameValue);
    script.removeValue(machine, entryKey, ProductEntry::scriptValue);
    if (!request_.package.empty()) {
        script.removeValue(machine, entryKey, ProductEntry::packageValue);
    }
    if (!request_.uninstallCommand.empty()) {
        script.removeValue(machine, entryKey, ProductEntry::uninstallCommandValue);
    }
    script.removeKey(machine, entryKey);
    // The uninstalling user's own settings, in whichever user's hive the uninstaller runs.
    script.removeValue(user, settingsKey, settingsValueName);
    script.removeKey(user, settingsKey);
    script.removeKey(user, makerKey);
    for (const std::string& folder : folders) {
        script.removeFolder(folder);
    }

    const std::string displayName = Resources::loadString(displayNameText);
    writeScriptFile(request_.destdir + request_.script, *script.build(displayName, productVersion));
    if (storeDefaults) {
        storeDefaultSettings(store);
    }
    writeEntry(store, displayName, request_);
}

} // namespace Installer
