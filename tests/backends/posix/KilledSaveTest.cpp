// A save killed at any moment leaves either the old value or the new one, never a mixture, and
// the next save clears away what the killed one left.
#include "options/Configuration.h"
#include "platform/KeyValueStore.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string productKey = "Software\\Quorvel\\Pluvo Screen Saver";

std::vector<uint8_t> storedValue(const KeyValueStore& store) {
    return store.readValue(productKey, "Configuration").value_or(std::vector<uint8_t>());
}

std::size_t leftoverFiles(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        count += entry.path().filename() != "Configuration" ? 1 : 0;
    }
    return count;
}

// Saves with the given density in a child process; the child ends as soon as the value is saved.
pid_t saveInChild(int32_t density) {
    const pid_t child = ::fork();
    if (child == 0) {
        Configuration::options()->setDensity(density);
        Configuration::save(true);
        ::_exit(0);
    }
    return child;
}

TEST(KilledSaveTest, AKilledSaveLeavesTheOldValueOrTheNewOneAndNothingBehind) {
    const fs::path root = fs::temp_directory_path() / ("kill-save-" + std::to_string(::getpid()));
    fs::remove_all(root);
    ::setenv("XDG_CONFIG_HOME", root.c_str(), 1);
    const KeyValueStore store(root);
    const fs::path folder = store.keyPath(productKey);

    Configuration::useDefaults();
    Configuration::options()->setDensity(50);
    Configuration::save(true);
    const std::vector<uint8_t> newBytes = storedValue(store);
    Configuration::options()->setDensity(10);
    Configuration::save(true);
    const std::vector<uint8_t> oldBytes = storedValue(store);
    ASSERT_NE(oldBytes, newBytes);

    // How long a whole save takes in a child, so that the kills are spread over it.
    const auto started = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(saveInChild(50), &status, 0);
    const auto saveTime = std::chrono::steady_clock::now() - started;
    ASSERT_EQ(storedValue(store), newBytes);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int64_t> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() * 3 / 2);
    int kills = 0;
    int oldSeen = 0;
    int newSeen = 0;
    int leftBehind = 0;
    for (int round = 0; round < 300; ++round) {
        Configuration::options()->setDensity(10);
        Configuration::save(true);
        ASSERT_EQ(leftoverFiles(folder), 0u) << "round " << round;
        const pid_t child = saveInChild(50);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        kills += WIFSIGNALED(status) ? 1 : 0;
        const std::vector<uint8_t> read = storedValue(store);
        ASSERT_TRUE(read == oldBytes || read == newBytes) << "round " << round;
        (read == oldBytes ? oldSeen : newSeen) += 1;
        leftBehind += leftoverFiles(folder) > 0 ? 1 : 0;
    }
    std::cout << "kills " << kills << ", values read back: " << oldSeen << " old, " << newSeen
              << " new; " << leftBehind << " killed saves left a temporary file\n";
    EXPECT_GT(kills, 0);
    fs::remove_all(root);
}

} // namespace
