#include "options/Configuration.h"

#include "persistence/PersistenceError.h"
#include "platform/KeyValueStore.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string productKey = "Software\\Quorvel\\Pluvo Screen Saver";

// Points both hives at folders of the test's own and starts from default options.
class ConfigurationTest : public ::testing::Test {
protected:
    ConfigurationTest()
        : root(fs::temp_directory_path() / ("configuration-" + std::to_string(::getpid()))),
          user(root / "user"), machine(root / "machine") {
        fs::remove_all(root);
        ::setenv("XDG_CONFIG_HOME", (root / "user").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (root / "machine").c_str(), 1);
        Configuration::useDefaults();
    }
    ~ConfigurationTest() override { fs::remove_all(root); }

    std::vector<uint8_t> storedValue(const KeyValueStore& store) {
        return store.readValue(productKey, "Configuration").value_or(std::vector<uint8_t>());
    }
    void saveMachineCopyWithDensity(int32_t density) {
        Configuration::options()->setDensity(density);
        ASSERT_EQ(machine.createKey(productKey), 0);
        Configuration::save(true);
        ASSERT_EQ(machine.writeValue(productKey, "Configuration", storedValue(user)), 0);
        fs::remove_all(root / "user");
        Configuration::useDefaults();
    }

    fs::path root;
    KeyValueStore user;
    KeyValueStore machine;
};

} // namespace

TEST_F(ConfigurationTest, NeitherHiveMeansNoConfiguration) {
    // The hive of the prefix the build is configured for is always searched; an install there
    // leaves its settings.
    if (KeyValueStore(KeyValueStore::installHiveRoot()).keyExists(productKey)) {
        GTEST_SKIP() << "Pluvo is installed here: " << KeyValueStore::installHiveRoot()
                     << " holds its settings";
    }
    EXPECT_FALSE(Configuration::exists(true));
    EXPECT_FALSE(Configuration::exists(false));
    try {
        Configuration::load();
        FAIL() << "load succeeded";
    } catch (const Configuration::NotFoundError& error) {
        EXPECT_STREQ(error.what(), "Configuration doesn't exist!");
    }
}

TEST_F(ConfigurationTest, SaveThenLoadReproducesTheOptions) {
    Configuration::options()->setDensity(7);
    Configuration::options()->controlOptions().setResetPeriod(3600);
    Configuration::save(true);
    const std::vector<uint8_t> value = storedValue(user);
    ASSERT_GE(value.size(), 8u);
    EXPECT_EQ(value[0] | value[1] << 8, 1280); // the outer version
    EXPECT_EQ(value[4] | value[5] << 8, 1792); // the options record's own

    Configuration::useDefaults();
    Configuration::load();
    EXPECT_EQ(Configuration::options()->density(), 7);
    EXPECT_EQ(Configuration::options()->controlOptions().resetPeriod(), 3600);
}

TEST_F(ConfigurationTest, MachineCopyServesWhenTheUserHasNone) {
    saveMachineCopyWithDensity(12);
    Configuration::load();
    EXPECT_EQ(Configuration::options()->density(), 12);
}

TEST_F(ConfigurationTest, UserKeyWithoutValueWinsOverAFullMachineCopy) {
    saveMachineCopyWithDensity(12);
    ASSERT_EQ(user.createKey(productKey), 0);
    Configuration::load();
    EXPECT_EQ(Configuration::options()->density(), 25);
}

TEST_F(ConfigurationTest, ShortOrOldValuesGiveDefaultsAndTheNextSaveIsComplete) {
    ASSERT_EQ(user.createKey(productKey), 0);
    const std::vector<std::vector<uint8_t>> values{{0x00, 0x05}, {0x00, 0x01, 0x00, 0x00, 0x09}};
    for (const auto& value : values) {
        ASSERT_EQ(user.writeValue(productKey, "Configuration", value), 0);
        Configuration::options()->setDensity(3);
        Configuration::load(true);
        EXPECT_EQ(Configuration::options()->density(), 3); // left as it was
    }
    Configuration::useDefaults();
    Configuration::load(true);
    Configuration::save(true);
    const std::vector<uint8_t> saved = storedValue(user);
    EXPECT_EQ(saved[0] | saved[1] << 8, 1280);
    EXPECT_GT(saved.size(), 100u);
}

TEST_F(ConfigurationTest, DamagedObjectsKeepTheOptionsInForce) {
    Configuration::save(true);
    std::vector<uint8_t> value = storedValue(user);
    const std::string marker = "POBJ";
    const auto at = std::search(value.begin(), value.end(), marker.begin(), marker.end());
    ASSERT_NE(at, value.end());
    *at = 'X';
    ASSERT_EQ(user.writeValue(productKey, "Configuration", value), 0);
    Configuration::options()->setDensity(9);
    EXPECT_THROW(Configuration::load(true), Persistence::Error);
    EXPECT_EQ(Configuration::options()->density(), 9);
}

TEST_F(ConfigurationTest, DefaultValueCutBeforeItsFirstObjectFlagsNamesTheError) {
    Configuration::save(true);
    const std::vector<uint8_t> whole = storedValue(user);
    // Both versions, then the plain sections of the default record: 46 + 17 + 17 + 9 + 6 bytes.
    const std::size_t markerAt = 0x67;
    ASSERT_EQ(std::string(whole.begin() + markerAt, whole.begin() + markerAt + 4), "POBJ");
    for (std::size_t length = markerAt; length <= markerAt + 4; ++length) {
        const std::vector<uint8_t> cut(whole.begin(),
                                       whole.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_EQ(user.writeValue(productKey, "Configuration", cut), 0);
        Configuration::options()->setDensity(9);
        std::string message = "no error";
        try {
            Configuration::load(true);
        } catch (const Persistence::Error& error) {
            message = error.what();
        }
        EXPECT_EQ(message, length < markerAt + 4 ? "InputStream: Bad object in stream at 67"
                                                 : "InputStream: Could not read input stream")
            << length << " bytes";
        EXPECT_EQ(Configuration::options()->density(), 9) << length << " bytes";
    }
}

TEST_F(ConfigurationTest, FailedSaveKeepsTheOldValueAndSaysWhy) {
    Configuration::save(true);
    const std::vector<uint8_t> old = storedValue(user);
    Configuration::options()->setDensity(1);

    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    std::string message;
    try {
        Configuration::save(true);
    } catch (const Configuration::CreateWriteKeyError& error) {
        message = error.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(message, "Cannot write the settings file: " + std::string(std::strerror(EFBIG)) +
                           " (error " + std::to_string(EFBIG) + ").");
    EXPECT_EQ(storedValue(user), old);
}

TEST_F(ConfigurationTest, KeyThatCannotBeCreatedIsReported) {
    fs::create_directories(root / "user");
    std::ofstream(root / "user" / "Software") << "in the way";
    try {
        Configuration::save(true);
        FAIL() << "save succeeded";
    } catch (const Configuration::CreateWriteKeyError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot create the settings folder: ", 0), 0u)
            << error.what();
    }
}

// Every code that keeps the user from changing the files reads as a refused access.
TEST(ConfigurationErrorTest, RefusedAccessIsNamed) {
    for (const int code : {EACCES, EPERM, EROFS}) {
        EXPECT_STREQ(
            Configuration::CreateWriteKeyError("Cannot write the settings file", code).what(),
            "Cannot write the settings file: Access denied.");
    }
    // An input or output error is no refusal, though the registry's code for one has its number.
    EXPECT_STREQ(Configuration::CreateWriteKeyError("Cannot write the settings file", EIO).what(),
                 ("Cannot write the settings file: " + std::string(std::strerror(EIO)) +
                  " (error " + std::to_string(EIO) + ").")
                     .c_str());
    EXPECT_STREQ(Configuration::CreateWriteKeyError("Cannot create the settings folder", 2).what(),
                 "Cannot create the settings folder: No such file or directory (error 2).");
}
