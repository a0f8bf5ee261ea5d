#include "installer/setup/ScriptListing.h"

#include "installer/RemoveFileAction.h"
#include "installer/RemoveFolderAction.h"
#include "installer/RemoveRegistryKeyValueAction.h"
#include "installer/UnregisterServerAction.h"

#include <cstdio>

namespace Installer {
namespace {

std::string rootText(uint32_t rootKey) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", rootKey);
    return text;
}

std::string line(const IUninstallationAction& action) {
    if (const auto* file = dynamic_cast<const RemoveFileAction*>(&action)) {
        return "file\t" + file->path();
    }
    if (const auto* folder = dynamic_cast<const RemoveFolderAction*>(&action)) {
        return "folder\t" + folder->path();
    }
    if (const auto* value = dynamic_cast<const RemoveRegistryKeyValueAction*>(&action)) {
        return "value\t" + rootText(value->rootKey()) + "\t" + value->subkey() + "\t" +
               value->valueName();
    }
    if (const auto* key = dynamic_cast<const RemoveRegistryKeyAction*>(&action)) {
        return "key\t" + rootText(key->rootKey()) + "\t" + key->subkey();
    }
    if (const auto* server = dynamic_cast<const UnregisterServerAction*>(&action)) {
        return "server\t" + server->serverPath() + "\t" + (server->isExecutable() ? "1" : "0");
    }
    return "unknown";
}

} // namespace

std::string listScript(const DefaultUninstallerScript& script) {
    std::string listing;
    for (std::size_t i = 0; i < script.actionCount(); ++i) {
        listing += line(script.action(i)) + "\n";
    }
    return listing;
}

} // namespace Installer
