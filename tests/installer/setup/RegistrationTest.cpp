#include "installer/setup/Registration.h"

#include "app/TemporaryFolder.h"
#include "installer/DefaultUninstallerScript.h"
#include "installer/ProductEntry.h"
#include "installer/RegistryRoots.h"
#include "installer/RemoveFileAction.h"
#include "installer/setup/ProductKeys.h"
#include "installer/setup/ScriptListing.h"
#include "installer/setup/SetupCommandLine.h"
#include "installer/setup/SetupError.h"
#include "installer/setup/Unregistration.h"
#include "options/Configuration.h"

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace Installer;

namespace {

const std::string entryKey = ProductEntry::key(productUninstallKeyName);

class NoProgress : public IProgressIndicator {
public:
    void advance(float) override {}
    void setText(const std::string&) override {}
};

RegistrationRequest requestFor(const fs::path& hive, const std::string& script) {
    RegistrationRequest request;
    request.hive = hive;
    request.script = script;
    return request;
}

void writeFile(const fs::path& path, const std::string& text = "x") {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

void writeList(const fs::path& path, const std::vector<fs::path>& entries) {
    std::ofstream list(path);
    for (const fs::path& entry : entries) {
        list << entry.string() << "\n";
    }
}

// A prefix to install into, a machine hive inside it, and a user hive, all in a fresh folder.
class RegistrationTest : public ::testing::Test {
protected:
    RegistrationTest()
        : user("XDG_CONFIG_HOME"), prefix(user.path() / "prefix"), hive(prefix / "etc" / "xdg"),
          script(prefix / "share" / "pluvo" / "uninstall.script"), lists(user.path() / "lists") {
        fs::create_directories(lists);
    }

    // The install's files, with the manifest and created-folder lists that name them.
    RegistrationRequest installFiles() {
        installed = {prefix / "bin" / "pluvo", prefix / "libexec" / "pluvo" / "pluvo-setup",
                     prefix / "share" / "man" / "man6" / "pluvo.6"};
        for (const fs::path& file : installed) {
            writeFile(file);
        }
        writeList(lists / "manifest", installed);
        writeList(lists / "folders",
                  {prefix, prefix / "bin", prefix / "libexec", prefix / "libexec" / "pluvo",
                   prefix / "share", prefix / "share" / "man", prefix / "share" / "man" / "man6",
                   prefix / "share" / "pluvo", prefix / "etc", hive});
        RegistrationRequest request = requestFor(hive, script.string());
        request.manifest = lists / "manifest";
        request.createdFolders = lists / "folders";
        return request;
    }

    // What the uninstaller's worker does with the script the entry names.
    void runEntryScript() {
        const ProductEntry entry = ProductEntry::read(KeyValueStore(hive), productUninstallKeyName);
        const auto loaded = DefaultUninstallerScript::readFile(entry.uninstallScript);
        RegistryRoots::useMachineHive(hive);
        NoProgress progress;
        for (const auto& action : loaded->actions()) {
            action->execute(progress);
        }
    }

    void storeUserSettings() {
        const KeyValueStore userStore(KeyValueStore::Hive::CurrentUser);
        userStore.createKey(Configuration::subkey());
        userStore.writeString(Configuration::subkey(), settingsValueName, "settings");
    }

    // The user's hive; the other folders lie in it too, out of the way of its keys.
    TemporaryFolderVariable user;
    fs::path prefix;
    fs::path hive;
    fs::path script;
    fs::path lists;
    std::vector<fs::path> installed;
};

TEST_F(RegistrationTest, TheScriptRemovesTheWholeInstallAndTheUsersSettingsButNothingElse) {
    RegistrationRequest request = installFiles();
    Registration(request).run();
    const KeyValueStore machine(hive);
    EXPECT_EQ(machine.readString(entryKey, "DisplayName"), "Pluvo Screen Saver");
    EXPECT_EQ(machine.readString(entryKey, "UninstallScript"), script.string());
    EXPECT_FALSE(machine.readValue(entryKey, "Package"));
    // A new user finds settings to start from: the defaults, readable as such.
    const auto defaults = machine.readString(Configuration::subkey(), settingsValueName);
    ASSERT_TRUE(defaults);
    EXPECT_NE(Configuration::optionsFromValue(*defaults), nullptr);

    const fs::path unrelated = prefix / "bin" / "someone-elses";
    writeFile(unrelated);
    storeUserSettings();
    const KeyValueStore userStore(KeyValueStore::Hive::CurrentUser);
    userStore.createKey("Software\\Quorvel\\Another Product");
    runEntryScript();

    for (const fs::path& file : installed) {
        EXPECT_FALSE(fs::exists(file)) << file;
    }
    EXPECT_FALSE(fs::exists(script));
    EXPECT_FALSE(fs::exists(prefix / "etc")) << "the hive's keys and folders go too";
    EXPECT_FALSE(fs::exists(prefix / "share"));
    EXPECT_TRUE(fs::exists(unrelated));
    EXPECT_FALSE(userStore.keyExists(Configuration::subkey()));
    EXPECT_TRUE(userStore.keyExists("Software\\Quorvel\\Another Product"));
}

TEST_F(RegistrationTest, KeysAndSettingsThatWereThereBeforeStay) {
    const KeyValueStore machine(hive);
    const std::string otherEntry = ProductEntry::key("{OTHER}");
    machine.createKey(otherEntry);
    machine.writeString(otherEntry, "DisplayName", "Another Program");
    machine.createKey(Configuration::subkey());
    machine.writeString(Configuration::subkey(), settingsValueName, "the administrator's");

    Registration(requestFor(hive, script.string())).run();
    EXPECT_EQ(machine.readString(Configuration::subkey(), settingsValueName),
              "the administrator's");
    runEntryScript();

    EXPECT_FALSE(machine.keyExists(entryKey));
    EXPECT_EQ(machine.readString(otherEntry, "DisplayName"), "Another Program");
    EXPECT_EQ(machine.readString(Configuration::subkey(), settingsValueName),
              "the administrator's");
}

TEST_F(RegistrationTest, RegisteringAgainStillRemovesWhatTheFirstRegistrationCreated) {
    Registration(installFiles()).run();
    // The second install finds every folder and key in place, so it creates none of them.
    RegistrationRequest again = requestFor(hive, script.string());
    writeList(lists / "none", {});
    again.manifest = lists / "manifest";
    again.createdFolders = lists / "none";
    again.package = "pluvo";
    again.uninstallCommand = "\"/opt/pluvo\" /uninstall";
    Registration(again).run();
    EXPECT_EQ(KeyValueStore(hive).readString(entryKey, "Package"), "pluvo");
    EXPECT_EQ(KeyValueStore(hive).readString(entryKey, "UninstallString"), again.uninstallCommand);
    Registration(installFiles()).run();
    EXPECT_FALSE(KeyValueStore(hive).readValue(entryKey, "Package"))
        << "an install that is no package's must not send the user to a package manager";
    EXPECT_FALSE(KeyValueStore(hive).readValue(entryKey, "UninstallString"))
        << "a command the last registration did not give must not be left to run";

    runEntryScript();
    EXPECT_FALSE(fs::exists(prefix));
}

TEST_F(RegistrationTest, AStagedInstallWritesIntoTheStageButNamesTheFinalPaths) {
    const fs::path stage = user.path() / "stage";
    RegistrationRequest request =
        requestFor(stage / "etc" / "xdg", "/usr/share/pluvo/uninstall.script");
    request.destdir = stage.string();
    Registration(request).run();

    EXPECT_EQ(KeyValueStore(request.hive).readString(entryKey, "UninstallScript"),
              "/usr/share/pluvo/uninstall.script");
    const auto written =
        DefaultUninstallerScript::readFile((stage / "usr/share/pluvo/uninstall.script").string());
    const std::string listing = listScript(*written);
    EXPECT_TRUE(listing.starts_with("file\t/usr/share/pluvo/uninstall.script\n")) << listing;
    EXPECT_EQ(listing.find(stage.string()), std::string::npos) << listing;
}

TEST_F(RegistrationTest, UnregisteringAPackageTakesBackItsRegistrationAndNothingElse) {
    const KeyValueStore machine(hive);
    machine.createKey("Software\\Other");
    machine.writeString("Software\\Other", "Value", "kept");
    RegistrationRequest request =
        requestFor(hive, (user.path() / "var" / "uninstall.script").string());
    request.package = "pluvo";
    Registration(request).run();
    ASSERT_TRUE(machine.keyExists(Configuration::subkey()));

    EXPECT_TRUE(Unregistration(hive).run());
    EXPECT_FALSE(fs::exists(request.script));
    EXPECT_FALSE(machine.keyExists("Software\\Microsoft"));
    EXPECT_FALSE(machine.keyExists("Software\\Quorvel"));
    EXPECT_EQ(machine.readString("Software\\Other", "Value"), "kept");
    EXPECT_TRUE(fs::exists(hive));
    EXPECT_FALSE(Unregistration(hive).run()) << "a second removal finds nothing to do";
}

TEST_F(RegistrationTest, UnregisteringKeepsMachineSettingsThePackageDidNotStore) {
    const KeyValueStore machine(hive);
    machine.createKey(Configuration::subkey());
    machine.writeString(Configuration::subkey(), settingsValueName, "the administrator's");
    RegistrationRequest request = requestFor(hive, (user.path() / "uninstall.script").string());
    request.package = "pluvo";
    Registration(request).run();
    fs::remove(request.script); // even without its script the entry goes

    EXPECT_TRUE(Unregistration(hive).run());
    EXPECT_FALSE(machine.keyExists(entryKey));
    EXPECT_EQ(machine.readString(Configuration::subkey(), settingsValueName),
              "the administrator's");
}

TEST_F(RegistrationTest, BadInputIsReportedBeforeAnythingIsWritten) {
    RegistrationRequest missing = requestFor(hive, script.string());
    missing.manifest = lists / "no-such-manifest";
    EXPECT_THROW(Registration(missing).run(), SetupError);

    writeList(lists / "relative", {"bin/pluvo"});
    RegistrationRequest relative = requestFor(hive, script.string());
    relative.manifest = lists / "relative";
    EXPECT_THROW(Registration(relative).run(), SetupError);
    EXPECT_FALSE(fs::exists(hive));
    EXPECT_FALSE(fs::exists(script));

    // A file where the hive should be cannot be written, not even by root.
    writeFile(prefix / "etc");
    EXPECT_THROW(Registration(requestFor(hive, script.string())).run(), SetupError);
    EXPECT_FALSE(fs::exists(script));
}

TEST(SetupCommandLineTest, ReadsBothCommandsAndRefusesWhatItCannotUse) {
    const SetupCommandLine full =
        SetupCommandLine::parse({"register", "--hive", "/h", "--script", "/s", "--manifest", "/m",
                                 "--package", "pluvo", "--uninstall-command", "/p /uninstall"});
    EXPECT_EQ(full.command, SetupCommandLine::Command::Register);
    EXPECT_EQ(full.request.hive, "/h");
    EXPECT_EQ(full.request.script, "/s");
    EXPECT_EQ(full.request.manifest, fs::path("/m"));
    EXPECT_FALSE(full.request.createdFolders);
    EXPECT_EQ(full.request.package, "pluvo");
    EXPECT_EQ(full.request.uninstallCommand, "/p /uninstall");
    EXPECT_EQ(SetupCommandLine::parse({"unregister", "--hive", "/h"}).command,
              SetupCommandLine::Command::Unregister);

    EXPECT_THROW(SetupCommandLine::parse({}), SetupError);
    EXPECT_THROW(SetupCommandLine::parse({"register", "--hive", "/h"}), SetupError);
    EXPECT_THROW(SetupCommandLine::parse({"register", "--hive", "/h", "--script"}), SetupError);
    EXPECT_THROW(SetupCommandLine::parse({"unregister", "--hive", "/h", "--script", "/s"}),
                 SetupError);
    EXPECT_THROW(SetupCommandLine::parse({"remove", "--hive", "/h"}), SetupError);
}

} // namespace
