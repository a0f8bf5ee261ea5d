#include "platform/KeyValueStore.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

const std::string productKey = "Software\\Maker\\Product";

class KeyValueStoreTest : public ::testing::Test {
protected:
    KeyValueStoreTest()
        : root(fs::temp_directory_path() /
               ("kvs-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          store(root) {
        fs::remove_all(root);
    }
    ~KeyValueStoreTest() override { fs::remove_all(root); }

    fs::path root;
    KeyValueStore store;
};

// Makes every write past a few bytes fail, as a full disk would, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int);
};

} // namespace

TEST_F(KeyValueStoreTest, ValuesRoundTripByteForByte) {
    EXPECT_FALSE(store.keyExists(productKey));
    ASSERT_EQ(store.createKey(productKey), 0);
    EXPECT_TRUE(store.keyExists(productKey));
    EXPECT_TRUE(fs::is_directory(root / "Software" / "Maker" / "Product"));

    const std::vector<uint8_t> bytes{0x00, 0x05, 0x00, 0x00, 0xFF, 0x0A, 0x00};
    ASSERT_EQ(store.writeValue(productKey, "Configuration", bytes), 0);
    EXPECT_EQ(store.readValue(productKey, "Configuration"), bytes);
    EXPECT_EQ(fs::file_size(root / "Software" / "Maker" / "Product" / "Configuration"),
              bytes.size());

    ASSERT_EQ(store.writeString(productKey, "UninstallString", "pluvo /uninstall"), 0);
    EXPECT_EQ(store.readString(productKey, "UninstallString"), "pluvo /uninstall");
    EXPECT_FALSE(store.readValue(productKey, "Missing").has_value());
    EXPECT_FALSE(store.readValue("Software\\Other", "Configuration").has_value());
}

TEST_F(KeyValueStoreTest, FailedWriteKeepsTheOldValueAndLeavesNoLitter) {
    ASSERT_EQ(store.createKey(productKey), 0);
    const std::vector<uint8_t> old{1, 2, 3};
    ASSERT_EQ(store.writeValue(productKey, "Configuration", old), 0);
    {
        FileSizeLimit limit(2);
        EXPECT_NE(store.writeValue(productKey, "Configuration", std::vector<uint8_t>(64, 9)), 0);
    }
    EXPECT_EQ(store.readValue(productKey, "Configuration"), old);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(store.keyPath(productKey)), fs::directory_iterator()),
        1);
}

TEST_F(KeyValueStoreTest, WritingUnderAMissingKeyFails) {
    EXPECT_NE(store.writeValue(productKey, "Configuration", {1}), 0);
}

TEST_F(KeyValueStoreTest, KeyNamesCannotLeaveTheHive) {
    EXPECT_EQ(store.keyPath("..\\..\\etc"), root / "etc");
    EXPECT_EQ(store.keyPath("Software\\\\Maker\\."), root / "Software" / "Maker");
}

TEST_F(KeyValueStoreTest, DeletingValuesAndKeys) {
    ASSERT_EQ(store.createKey(productKey + "\\Sub"), 0);
    ASSERT_EQ(store.writeString(productKey, "A", "a"), 0);
    EXPECT_EQ(store.deleteValue(productKey, "A"), 0);
    EXPECT_FALSE(store.readValue(productKey, "A").has_value());
    EXPECT_NE(store.deleteValue(productKey, "A"), 0);
    EXPECT_EQ(store.deleteKey("Software\\Maker"), 0);
    EXPECT_FALSE(store.keyExists(productKey));
    EXPECT_TRUE(store.keyExists("Software"));
}

TEST(KeyValueStoreHiveTest, HivesFollowTheXdgVariables) {
    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/user-config", 1);
    ::setenv("XDG_CONFIG_DIRS", "/opt/machine:/etc/xdg", 1);
    EXPECT_EQ(KeyValueStore::hiveRoot(KeyValueStore::Hive::CurrentUser), "/tmp/user-config");
    EXPECT_EQ(KeyValueStore::hiveRoot(KeyValueStore::Hive::LocalMachine), "/opt/machine");
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_CONFIG_DIRS");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(KeyValueStore::hiveRoot(KeyValueStore::Hive::CurrentUser), "/home/someone/.config");
    EXPECT_EQ(KeyValueStore::hiveRoot(KeyValueStore::Hive::LocalMachine), "/etc/xdg");
    ::setenv("HOME", savedHome.c_str(), 1);
}

namespace {

TEST_F(KeyValueStoreTest, KeyWithoutSubkeysGoesWithItsValuesOthersStay) {
    ASSERT_EQ(store.createKey(productKey + "\\Sub"), 0);
    ASSERT_EQ(store.writeString(productKey, "A", "a"), 0);
    EXPECT_EQ(store.deleteKeyWithoutSubkeys(productKey), ENOTEMPTY);
    EXPECT_EQ(store.readString(productKey, "A"), "a");
    EXPECT_EQ(store.deleteKeyWithoutSubkeys(productKey + "\\Sub"), 0);
    EXPECT_EQ(store.deleteKeyWithoutSubkeys(productKey), 0);
    EXPECT_FALSE(store.keyExists(productKey));
    EXPECT_NE(store.deleteKeyWithoutSubkeys(productKey), 0);
    for (const char* hive : {"", "\\", "..", "\\.\\"}) {
        EXPECT_EQ(store.deleteKeyWithoutSubkeys(hive), EINVAL) << hive;
    }
    EXPECT_TRUE(fs::exists(root));
}

TEST_F(KeyValueStoreTest, ValueNamesNeverReachOutsideTheirKey) {
    ASSERT_EQ(store.createKey(productKey), 0);
    ASSERT_EQ(store.writeString("Software", "Kept", "k"), 0);
    EXPECT_EQ(store.deleteValue(productKey, "../Kept"), EINVAL);
    EXPECT_EQ(store.deleteValue(productKey, ".."), EINVAL);
    EXPECT_EQ(store.readString("Software", "Kept"), "k");
}

TEST(KeyValueStoreHiveTest, MachineKeysAreSearchedInEveryMachineHive) {
    const fs::path base = fs::temp_directory_path() / ("kvs-machine-" + std::to_string(::getpid()));
    const std::string first = (base / "first").string();
    const std::string second = (base / "second").string();
    ::setenv("XDG_CONFIG_DIRS", (first + "::" + second).c_str(), 1);
    const std::vector<fs::path> roots = KeyValueStore::machineHiveRoots();
    ASSERT_EQ(roots.size(), 3u) << "empty entries are skipped, the install's hive comes last";
    EXPECT_EQ(roots[0], first);
    EXPECT_EQ(roots[1], second);
    EXPECT_EQ(roots[2], KeyValueStore::installHiveRoot());

    ::setenv("XDG_CONFIG_DIRS", (KeyValueStore::installHiveRoot().string() + "/").c_str(), 1);
    EXPECT_EQ(KeyValueStore::machineHiveRoots().size(), 1u) << "named already";

    ::setenv("XDG_CONFIG_DIRS", (first + ":" + second).c_str(), 1);
    KeyValueStore(fs::path(second)).createKey(productKey);
    EXPECT_EQ(KeyValueStore::machineStoreHolding(productKey).root(), second);
    EXPECT_EQ(KeyValueStore::machineStoreHolding("Software\\Nobody").root(), first)
        << "a key nobody holds is written into the first hive";
    ::unsetenv("XDG_CONFIG_DIRS");
    EXPECT_EQ(KeyValueStore::machineHiveRoots().front(), "/etc/xdg");
    fs::remove_all(base);
}

} // namespace
