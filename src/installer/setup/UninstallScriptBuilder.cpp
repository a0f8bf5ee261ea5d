#include "installer/setup/UninstallScriptBuilder.h"

#include "installer/RemoveFileAction.h"
#include "installer/RemoveFolderAction.h"
#include "installer/RemoveRegistryKeyValueAction.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace Installer {
namespace {

template <typename T> void addOnce(std::vector<T>& items, T item) {
    if (std::find(items.begin(), items.end(), item) == items.end()) {
        items.push_back(std::move(item));
    }
}

std::size_t depth(const std::string& key, char separator) {
    return static_cast<std::size_t>(std::count(key.begin(), key.end(), separator));
}

// Counted in the parts of the path, which take the system's own separators.
std::size_t folderDepth(const std::string& path) {
    const std::filesystem::path parts(path);
    return static_cast<std::size_t>(std::distance(parts.begin(), parts.end()));
}

} // namespace

void UninstallScriptBuilder::removeFile(const std::string& path) {
    addOnce(files_, path);
}

void UninstallScriptBuilder::removeFolder(const std::string& path) {
    addOnce(folders_, path);
}

void UninstallScriptBuilder::removeValue(uint32_t rootKey, const std::string& key,
                                         const std::string& name) {
    addOnce(registry_, RegistryItem{rootKey, key, name});
}

void UninstallScriptBuilder::removeKey(uint32_t rootKey, const std::string& key) {
    addOnce(registry_, RegistryItem{rootKey, key, std::nullopt});
}

void UninstallScriptBuilder::include(const DefaultUninstallerScript& earlier) {
    for (std::size_t i = 0; i < earlier.actionCount(); ++i) {
        const IUninstallationAction& action = earlier.action(i);
        if (const auto* file = dynamic_cast<const RemoveFileAction*>(&action)) {
            removeFile(file->path());
        } else if (const auto* folder = dynamic_cast<const RemoveFolderAction*>(&action)) {
            removeFolder(folder->path());
        } else if (const auto* value = dynamic_cast<const RemoveRegistryKeyValueAction*>(&action)) {
            removeValue(value->rootKey(), value->subkey(), value->valueName());
        } else if (const auto* key = dynamic_cast<const RemoveRegistryKeyAction*>(&action)) {
            removeKey(key->rootKey(), key->subkey());
        }
    }
}

std::unique_ptr<DefaultUninstallerScript>
UninstallScriptBuilder::build(const std::string& firstText, const std::string& secondText) const {
    ActionList actions;
    for (const std::string& file : files_) {
        actions.push_back(std::make_unique<RemoveFileAction>(file));
    }
    for (const RegistryItem& item : registry_) {
        if (item.valueName) {
            actions.push_back(std::make_unique<RemoveRegistryKeyValueAction>(item.rootKey, item.key,
                                                                             *item.valueName));
        }
    }
    std::vector<RegistryItem> keys;
    std::copy_if(registry_.begin(), registry_.end(), std::back_inserter(keys),
                 [](const RegistryItem& item) { return !item.valueName; });
    std::stable_sort(keys.begin(), keys.end(), [](const RegistryItem& a, const RegistryItem& b) {
        return depth(a.key, '\\') > depth(b.key, '\\');
    });
    for (const RegistryItem& key : keys) {
        actions.push_back(std::make_unique<RemoveRegistryKeyAction>(key.rootKey, key.key));
    }
    std::vector<std::string> folders = folders_;
    std::stable_sort(
        folders.begin(), folders.end(),
        [](const std::string& a, const std::string& b) { return folderDepth(a) > folderDepth(b); });
    for (const std::string& folder : folders) {
        actions.push_back(std::make_unique<RemoveFolderAction>(folder));
    }
    return std::make_unique<DefaultUninstallerScript>(firstText, secondText, std::move(actions));
}

} // namespace Installer
