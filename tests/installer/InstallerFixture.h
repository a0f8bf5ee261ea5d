#pragma once

#include "app/TemporaryFolder.h"
#include "installer/IProgressIndicator.h"
#include "installer/RegistryRoots.h"
#include "installer/Uninstaller.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A temporary tree for files and folders, and temporary hives for the current user and the
// machine, so that actions and entries touch nothing of the machine's.
class InstallerFixture {
public:
    InstallerFixture() { Installer::RegistryRoots::useMachineHive(machineHive()); }
    ~InstallerFixture() {
        Installer::RegistryRoots::useMachineHive(KeyValueStore::installHiveRoot());
#ifdef _WIN32
        KeyValueStore(KeyValueStore::Hive::CurrentUser).deleteKey("Software\\Pluvo tests");
#endif
    }

    std::filesystem::path tree() const {
        return tree_.path();
    }
#ifdef _WIN32
    // The machine's hive is a key of the current user's, so that the tests need no rights.
    std::filesystem::path machineHive() const {
        return std::filesystem::path("HKEY_CURRENT_USER\\Software\\Pluvo tests") /
               machine_.path().filename();
    }
#else
    std::filesystem::path machineHive() const {
        return machine_.path();
    }
#endif
    KeyValueStore userStore() const {
        return KeyValueStore(KeyValueStore::Hive::CurrentUser);
    }
    KeyValueStore machineStore() const {
        return KeyValueStore(machineHive());
    }
    // Where the uninstaller finds a product's entry: the system's own search, which on Linux
    // looks in the folders the fixture names; on Windows the fixture's key stands in for the
    // machine's hive.
    Installer::Uninstaller::MachineStoreLookup machineStoreLookup() const {
#ifdef _WIN32
        return [hive = machineHive()](const std::string&) { return KeyValueStore(hive); };
#else
        return KeyValueStore::machineStoreHolding;
#endif
    }

    std::string makeFile(const std::string& relative, const std::string& content = "x") const {
        const std::filesystem::path path = tree() / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << content;
        return path.string();
    }

private:
    TemporaryFolderVariable tree_{"PLUVO_TEST_TREE"};
    TemporaryFolderVariable user_{"XDG_CONFIG_HOME"};
    TemporaryFolderVariable machine_{"XDG_CONFIG_DIRS"};
};

// Keeps what the actions report.
class RecordingProgress : public Installer::IProgressIndicator {
public:
    void advance(float steps) override { advances.push_back(steps); }
    void setText(const std::string& text) override { texts.push_back(text); }

    std::vector<float> advances;
    std::vector<std::string> texts;
};
