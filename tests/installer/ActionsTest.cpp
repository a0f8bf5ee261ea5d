#include "InstallerFixture.h"
#include "errors/BasicError.h"
#include "installer/RemoveFileAction.h"
#include "installer/RemoveFolderAction.h"
#include "installer/RemoveRegistryKeyValueAction.h"
#include "installer/UnregisterServerAction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace Installer;
using ::testing::ElementsAre;

namespace {

class ActionsTest : public ::testing::Test, protected InstallerFixture {
protected:
    RecordingProgress progress;
};

TEST_F(ActionsTest, FileActionRemovesItsFileOnlyAndToleratesAMissingOne) {
    const std::string file = makeFile("bin/pluvo");
    const std::string neighbour = makeFile("bin/other");
    RemoveFileAction(file).execute(progress);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(neighbour));

    RemoveFileAction(file).execute(progress);
    RemoveFileAction((tree() / "bin").string()).execute(progress);
    EXPECT_TRUE(fs::exists(tree() / "bin")) << "a folder is no file";
    EXPECT_THAT(progress.texts, ElementsAre("Removing file: " + file, "Removing file: " + file,
                                            "Removing file: " + (tree() / "bin").string()));
}

TEST_F(ActionsTest, FolderActionRemovesOnlyAnEmptyFolder) {
    makeFile("share/pluvo/keep");
    fs::create_directories(tree() / "share/empty");
    RemoveFolderAction((tree() / "share/pluvo").string()).execute(progress);
    RemoveFolderAction((tree() / "share/empty").string()).execute(progress);
    RemoveFolderAction((tree() / "share/missing").string()).execute(progress);
    EXPECT_TRUE(fs::exists(tree() / "share/pluvo/keep"));
    EXPECT_FALSE(fs::exists(tree() / "share/empty"));
    EXPECT_THAT(progress.texts, ElementsAre("Removing program folders", "Removing program folders",
                                            "Removing program folders"));
}

TEST_F(ActionsTest, KeyActionRemovesAKeyWithItsValuesButNotOneWithSubkeys) {
    const KeyValueStore machine = machineStore();
    machine.createKey("Software\\Maker\\Product\\Sub");
    machine.writeString("Software\\Maker\\Product", "Value", "v");
    machine.createKey("Software\\Other");
    machine.writeString("Software\\Other", "Value", "v");

    RemoveRegistryKeyAction(RegistryRoots::localMachine, "Software\\Maker\\Product")
        .execute(progress);
    EXPECT_TRUE(machine.keyExists("Software\\Maker\\Product"));
    RemoveRegistryKeyAction(RegistryRoots::localMachine, "Software\\Other").execute(progress);
    EXPECT_FALSE(machine.keyExists("Software\\Other"));
    // The hive itself is never a key to remove.
    RemoveRegistryKeyAction(RegistryRoots::localMachine, "").execute(progress);
    RemoveRegistryKeyAction(RegistryRoots::localMachine, "..").execute(progress);
    EXPECT_TRUE(machineStore().keyExists(""));
    EXPECT_THAT(progress.texts.front(), "Removing application data from the system registry");

    userStore().createKey("Software\\Other");
    RemoveRegistryKeyAction(RegistryRoots::currentUser, "Software\\Other").execute(progress);
    EXPECT_FALSE(userStore().keyExists("Software\\Other"));
    machine.createKey("Software\\Unknown");
    RemoveRegistryKeyAction(0x80000003, "Software\\Unknown").execute(progress);
    EXPECT_TRUE(machine.keyExists("Software\\Unknown"));
}

TEST_F(ActionsTest, ValueActionRemovesOneValueAndNothingOutsideItsKey) {
    const KeyValueStore user = userStore();
    user.createKey("Software\\Maker");
    user.writeString("Software\\Maker", "Configuration", "c");
    user.writeString("Software\\Maker", "Other", "o");
    const std::string outside = makeFile("outside");

    RemoveRegistryKeyValueAction(RegistryRoots::currentUser, "Software\\Maker", "Configuration")
        .execute(progress);
    RemoveRegistryKeyValueAction(RegistryRoots::currentUser, "Software\\Missing", "Configuration")
        .execute(progress);
    RemoveRegistryKeyValueAction(RegistryRoots::currentUser, "Software",
                                 fs::relative(outside, user.keyPath("Software")).string())
        .execute(progress);
    EXPECT_FALSE(user.readString("Software\\Maker", "Configuration"));
    EXPECT_EQ(user.readString("Software\\Maker", "Other"), "o");
    EXPECT_TRUE(fs::exists(outside));
}

TEST_F(ActionsTest, UnregistrationCommandsAreArgumentVectors) {
    EXPECT_THAT(UnregisterServerAction("C:\\App\\srv.exe", true).command(),
                ElementsAre("C:\\App\\srv.exe", "/UnregServer"));
    EXPECT_THAT(UnregisterServerAction("C:\\App\\x.dll", false).command(),
                ElementsAre("regsvr32.exe", "/s", "/u", "C:\\App\\x.dll"));
}

TEST_F(ActionsTest, UnregistrationRunsTheServerAndWaitsForIt) {
#ifdef _WIN32
    const std::string server = makeFile("server.cmd", "@echo %*> \"%~f0.args\"\r\n");
#else
    const std::string server = makeFile("server.sh", "#!/bin/sh\necho \"$@\" > \"$0.args\"\n");
    fs::permissions(server, fs::perms::owner_all);
#endif
    UnregisterServerAction(server, true).execute(progress);
    std::ifstream arguments(server + ".args");
    std::string line;
    std::getline(arguments, line);
    EXPECT_EQ(line, "/UnregServer");
    EXPECT_TRUE(progress.texts.empty());
}

TEST_F(ActionsTest, UnregistrationThatCannotStartIsAnError) {
    const std::string missing = (tree() / "no such server; touch hacked").string();
    try {
        UnregisterServerAction(missing, true).execute(progress);
        FAIL();
    } catch (const BasicError& error) {
        EXPECT_EQ(std::string(error.what()), "Could not unregister file: \"" + missing + "\"");
    }
    EXPECT_FALSE(fs::exists("hacked"));
#ifndef _WIN32
    // A library is unregistered by the system's registration program, which Windows always has.
    EXPECT_THROW(UnregisterServerAction("/no/such/library.so", false).execute(progress),
                 BasicError);
#endif
}

} // namespace
