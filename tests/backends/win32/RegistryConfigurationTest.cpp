#include "options/Configuration.h"
#include "persistence/PersistenceError.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

// The settings in the registry of the build's own Wine prefix, read and written with the system's
// functions directly, so that the store's work is checked from outside.
namespace {

const wchar_t* const subkey = L"Software\\Quorvel\\Pluvo Screen Saver";

void removeKey(HKEY root) {
    RegDeleteTreeW(root, subkey);
    RegDeleteKeyW(root, subkey);
}

void writeValue(HKEY root, const std::vector<uint8_t>& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"Configuration", 0, REG_BINARY, bytes.data(),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void createKeyOnly(HKEY root) {
    HKEY key = nullptr;
    RegCreateKeyExW(root, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    RegCloseKey(key);
}

struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<uint8_t> bytes;
};

StoredValue storedValue(HKEY root) {
    StoredValue stored;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return stored;
    }
    DWORD size = 0;
    RegQueryValueExW(key, L"Configuration", nullptr, &stored.type, nullptr, &size);
    stored.bytes.resize(size);
    RegQueryValueExW(key, L"Configuration", nullptr, &stored.type, stored.bytes.data(), &size);
    RegCloseKey(key);
    return stored;
}

std::vector<uint8_t> bytesOf(const std::string& value) {
    return {value.begin(), value.end()};
}

std::vector<uint8_t> valueWithDensity(int32_t density) {
    ScreenSaverOptionsStorage options;
    options.setDensity(density);
    return bytesOf(Configuration::valueOf(options));
}

class RegistryConfigurationTest : public ::testing::Test {
protected:
    RegistryConfigurationTest() { clear(); }
    ~RegistryConfigurationTest() override { clear(); }

    static void clear() {
        removeKey(HKEY_CURRENT_USER);
        removeKey(HKEY_LOCAL_MACHINE);
        Configuration::useDefaults();
    }
};

} // namespace

TEST_F(RegistryConfigurationTest, TheDefaultsAreStoredAsOneBinaryValueAndReadBack) {
    Configuration::save(true);
    const StoredValue stored = storedValue(HKEY_CURRENT_USER);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_BINARY));
    ScreenSaverOptionsStorage defaults;
    EXPECT_EQ(stored.bytes, bytesOf(Configuration::valueOf(defaults)));
    EXPECT_EQ(stored.bytes.size(), 225u);
    EXPECT_TRUE(storedValue(HKEY_LOCAL_MACHINE).bytes.empty()) << "the machine's copy is read-only";

    Configuration::options()->setDensity(3);
    Configuration::save(true);
    Configuration::useDefaults();
    Configuration::load(true);
    EXPECT_EQ(Configuration::options()->density(), 3);
    EXPECT_EQ(storedValue(HKEY_CURRENT_USER).bytes, valueWithDensity(3));
}

TEST_F(RegistryConfigurationTest, TheMachinesCopyStandsInOnlyWhenTheUserHasNoKey) {
    EXPECT_THROW(Configuration::load(), Configuration::NotFoundError);

    writeValue(HKEY_LOCAL_MACHINE, valueWithDensity(4));
    Configuration::load();
    EXPECT_EQ(Configuration::options()->density(), 4);

    // The key decides, not the value in it: with a user's empty key, a run starts with the
    // defaults.
    createKeyOnly(HKEY_CURRENT_USER);
    Configuration::useDefaults();
    Configuration::load();
    EXPECT_EQ(Configuration::options()->density(), ScreenSaverOptionsStorage().density());
}

TEST_F(RegistryConfigurationTest, ShortOldAndDamagedValuesKeepTheOptionsInForce) {
    Configuration::options()->setDensity(2);
    writeValue(HKEY_CURRENT_USER, {0x00, 0x05});
    Configuration::load(true);
    EXPECT_EQ(Configuration::options()->density(), 2);

    writeValue(HKEY_CURRENT_USER, {0x00, 0x01, 0x00, 0x00, 0x01, 0x02});
    Configuration::load(true);
    EXPECT_EQ(Configuration::options()->density(), 2) << "version 256 holds no options";

    std::vector<uint8_t> cut = valueWithDensity(6);
    cut.resize(cut.size() / 2);
    writeValue(HKEY_CURRENT_USER, cut);
    EXPECT_THROW(Configuration::load(true), Persistence::Error);
    EXPECT_EQ(Configuration::options()->density(), 2);
}

TEST(RegistryConfigurationErrorTest, MessagesNameTheRegistrysCode) {
    EXPECT_STREQ(Configuration::CreateWriteKeyError("Cannot write to registry key", 5).what(),
                 "Cannot write to registry key: Access denied.");
    EXPECT_STREQ(Configuration::CreateWriteKeyError("Cannot create registry key", 2).what(),
                 "Cannot create registry key:  GetLastError() = 2.");
}
