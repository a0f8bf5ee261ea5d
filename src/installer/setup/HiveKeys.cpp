#include "installer/setup/HiveKeys.h"

#include <filesystem>

namespace Installer {
namespace {

// "A\B\C" gives "A", "A\B", "A\B\C".
std::vector<std::string> keyChain(const std::string& key) {
    std::vector<std::string> chain;
    for (std::size_t end = key.find('\\'); end != std::string::npos;
         end = key.find('\\', end + 1)) {
        chain.push_back(key.substr(0, end));
    }
    chain.push_back(key);
    return chain;
}

} // namespace

std::vector<std::string> missingKeys(const KeyValueStore& store, const std::string& key) {
    std::vector<std::string> missing;
    for (const std::string& part : keyChain(key)) {
        if (!std::filesystem::exists(store.keyPath(part))) {
            missing.push_back(part);
        }
    }
    return missing;
}

void removeEmptyKeys(const KeyValueStore& store, const std::string& key) {
    const std::vector<std::string> chain = keyChain(key);
    for (auto part = chain.rbegin(); part != chain.rend(); ++part) {
        const std::filesystem::path folder = store.keyPath(*part);
        if (folder == store.root()) {
            return;
        }
        std::error_code error;
        if (!std::filesystem::exists(folder, error)) {
            continue;
        }
        if (!std::filesystem::is_empty(folder, error) || error) {
            return;
        }
        std::filesystem::remove(folder, error);
    }
}

} // namespace Installer
