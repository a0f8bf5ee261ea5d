#include "installer/ProductEntry.h"

namespace Installer {

std::string ProductEntry::key(const std::string& keyName) {
    return std::string(uninstallKey) + "\\" + keyName;
}

ProductEntry ProductEntry::read(const KeyValueStore& store, const std::string& keyName) {
    const std::string entryKey = key(keyName);
    ProductEntry entry;
    entry.displayName = store.readString(entryKey, displayNameValue).value_or("");
    entry.uninstallScript = store.readString(entryKey, scriptValue).value_or("");
    entry.package = store.readString(entryKey, packageValue).value_or("");
    return entry;
}

} // namespace Installer
