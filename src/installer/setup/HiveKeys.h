#pragma once

#include "platform/KeyValueStore.h"

#include <string>
#include <vector>

namespace Installer {

// The key and the keys above it that the store does not have yet, the topmost first: what
// creating the key would create.
std::vector<std::string> missingKeys(const KeyValueStore& store, const std::string& key);

// Removes the key when it is empty, then each key above it that is left empty, up to (never
// including) the hive itself; the first key that still holds anything ends the walk.
void removeEmptyKeys(const KeyValueStore& store, const std::string& key);

} // namespace Installer
