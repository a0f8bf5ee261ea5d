#include "installer/Uninstaller.h"

#include "InstallerFixture.h"
#include "installer/DefaultUninstallerScript.h"
#include "installer/ProductEntry.h"
#include "installer/RemoveRegistryKeyAction.h"
#include "persistence/InputStream.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace Installer;
using ::testing::ElementsAre;

namespace {

constexpr const char* keyName = "{5D1C7A20-3B8E-4F61-9A47-C0E2B6D39F14}";

// Answers the questions as told and records what was shown; its wizard runs the actions.
class ScriptedUi : public IUninstallerUi {
public:
    bool answerYes = true;
    bool wizardFails = false;
    std::vector<std::string> shown;
    std::size_t wizardActions = 0;
    std::string wizardTitle;

    void showMessage(const std::string& text, const std::string& caption, Icon icon) override {
        shown.push_back(iconName(icon) + " " + caption + ": " + text);
    }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        shown.push_back("question " + caption + ": " + text);
        return answerYes;
    }
    void runWizard(IUninstallerScript& script, const std::string& title) override {
        wizardTitle = title;
        RecordingProgress progress;
        for (const auto& action : script.actions()) {
            action->execute(progress);
            ++wizardActions;
        }
        script.setFailed(wizardFails);
    }

private:
    static std::string iconName(Icon icon) {
        switch (icon) {
        case Icon::Warning:
            return "warning";
        case Icon::Question:
            return "question";
        case Icon::Error:
            return "error";
        case Icon::Information:
            return "information";
        }
        return "";
    }
};

class UninstallerTest : public ::testing::Test, protected InstallerFixture {
protected:
    void writeEntry(const std::string& displayName, const std::string& script,
                    const std::string& package = "") {
        const KeyValueStore machine = machineStore();
        const std::string key = ProductEntry::key(keyName);
        machine.createKey(key);
        if (!displayName.empty()) {
            machine.writeString(key, ProductEntry::displayNameValue, displayName);
        }
        machine.writeString(key, ProductEntry::scriptValue, script);
        if (!package.empty()) {
            machine.writeString(key, ProductEntry::packageValue, package);
        }
    }

    // A script that removes the entry's key, as an install's does.
    std::string writeScript() {
        ActionList actions;
        actions.push_back(std::make_unique<RemoveRegistryKeyAction>(RegistryRoots::localMachine,
                                                                    ProductEntry::key(keyName)));
        const std::string path = (tree() / "uninstall.script").string();
        std::ofstream file(path, std::ios::binary);
        DefaultUninstallerScript("", "", std::move(actions)).writeTo(file);
        return path;
    }

    bool uninstall(bool administrator = true) {
        return Uninstaller(
                   ui, "Pluvo Screen Saver 2.2.17", [=] { return administrator; },
                   machineStoreLookup())
            .uninstall(keyName, true);
    }

    ScriptedUi ui;
};

TEST_F(UninstallerTest, RemovesTheProductAfterTheQuestionAndSaysSo) {
    writeEntry("Pluvo Screen Saver", writeScript());
    EXPECT_TRUE(uninstall());
    EXPECT_THAT(ui.shown, ElementsAre("question Add/Remove Programs: This will remove Pluvo Screen "
                                      "Saver from your\ncomputer. Do you want to continue?",
                                      "information Add/Remove Programs: Pluvo Screen Saver was "
                                      "successfully removed."));
    EXPECT_EQ(ui.wizardTitle, "Pluvo Screen Saver 2.2.17");
    EXPECT_FALSE(machineStore().keyExists(ProductEntry::key(keyName)))
        << "the machine hive the entry was found in is the one the script acts on";
}

TEST_F(UninstallerTest, AnEntryWithoutADisplayNameWarnsAndTouchesNothing) {
    const std::string script = writeScript();
    writeEntry("", script);
    EXPECT_FALSE(uninstall());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_THAT(ui.shown[0], ::testing::StartsWith("warning Add/Remove Programs: Cannot remove "
                                                   "this application because it was already "
                                                   "removed."));
    EXPECT_EQ(ui.wizardActions, 0u);
    EXPECT_TRUE(machineStore().keyExists(ProductEntry::key(keyName)));
    EXPECT_TRUE(fs::exists(script));

    ui.shown.clear();
    machineStore().deleteKey("Software");
    EXPECT_FALSE(uninstall());
    EXPECT_EQ(ui.shown.size(), 1u) << "no entry at all reads as an empty name";
}

TEST_F(UninstallerTest, NoAndMissingRightsEndBeforeTheScriptIsRead) {
    writeEntry("Pluvo", (tree() / "not written").string());
    ui.answerYes = false;
    EXPECT_FALSE(uninstall());
    EXPECT_EQ(ui.shown.size(), 1u);

    ui.answerYes = true;
    ui.shown.clear();
    EXPECT_FALSE(uninstall(false));
    EXPECT_THAT(ui.shown.back(), "error Add/Remove Programs: You must be an administrator to "
                                 "perform this operation.");
}

TEST_F(UninstallerTest, APackageInstallIsLeftToThePackageManager) {
    writeEntry("Pluvo Screen Saver", writeScript(), "pluvo");
    EXPECT_FALSE(uninstall());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_THAT(ui.shown[0], ::testing::HasSubstr("sudo apt remove pluvo"));
    EXPECT_EQ(ui.wizardActions, 0u);
    EXPECT_TRUE(machineStore().keyExists(ProductEntry::key(keyName)));
}

TEST_F(UninstallerTest, ADamagedScriptIsAStreamErrorAndRemovesNothing) {
    const std::string script = writeScript();
    fs::resize_file(script, fs::file_size(script) - 3);
    writeEntry("Pluvo", script);
    EXPECT_THROW(uninstall(), Persistence::InputStream::Error);
    EXPECT_EQ(ui.wizardActions, 0u);
    EXPECT_TRUE(machineStore().keyExists(ProductEntry::key(keyName)));
}

TEST_F(UninstallerTest, AFailedRunShowsNoSuccess) {
    writeEntry("Pluvo", writeScript());
    ui.wizardFails = true;
    EXPECT_FALSE(uninstall());
    EXPECT_EQ(ui.shown.size(), 1u);
}

} // namespace
