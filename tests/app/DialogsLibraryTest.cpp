#include "app/DialogsLibrary.h"

#include "app/DialogReporter.h"
#include "errors/BasicError.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Where the library is looked for: the state is the process's, so each test puts it back.
class DialogsLibraryTest : public ::testing::Test {
protected:
    void TearDown() override { DialogsLibrary::belongsTo(""); }

    static std::string loadError() {
        try {
            DialogsLibrary::functions();
        } catch (const BasicError& error) {
            return error.what();
        }
        return "";
    }
};

TEST_F(DialogsLibraryTest, IsLookedForBesideTheProgramThenWhereAnInstallPutsIt) {
    DialogsLibrary::belongsTo("/opt/rain/bin/pluvo");
    const std::vector<std::string> folders = DialogsLibrary::searchFolders();
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], "/opt/rain/bin");
    EXPECT_TRUE(folders[1].starts_with("/opt/rain/lib")) << folders[1];
    EXPECT_TRUE(folders[1].ends_with("/pluvo")) << folders[1];
}

TEST_F(DialogsLibraryTest, AMissingLibraryIsAnErrorNamingEveryPlaceTried) {
    DialogsLibrary::belongsTo("/nonexistent/bin/pluvo");
    const std::string error = loadError();
    EXPECT_TRUE(error.starts_with("The program's dialogs cannot be shown")) << error;
    for (const std::string& folder : DialogsLibrary::searchFolders()) {
        EXPECT_NE(error.find(folder + "/libpluvo-dialogs.so: no such file"), std::string::npos)
            << error;
    }
}

TEST_F(DialogsLibraryTest, ALibraryOfAnotherBuildIsRefused) {
    const std::string staleFolder = PLUVO_STALE_DIALOGS_DIR;
    DialogsLibrary::belongsTo(staleFolder + "/pluvo");
    const std::string error = loadError();
    EXPECT_NE(
        error.find(staleFolder + "/libpluvo-dialogs.so: made for another version of the program"),
        std::string::npos)
        << error;
}

// An error report is never lost because its dialog cannot be shown: the log has it, and why
// the dialog is missing.
TEST_F(DialogsLibraryTest, AReportWhoseDialogCannotBeShownStaysInTheLog) {
    DialogsLibrary::belongsTo("/nonexistent/bin/pluvo");
    ::unsetenv(DialogReporter::choiceVariable);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ASSERT_TRUE(DialogReporter::dialogsWanted());
    std::ostringstream log;
    DialogReporter reporter(log);
    reporter.showError("Pluvo 2", "Sorry: Disk on fire.");
    ::unsetenv("QT_QPA_PLATFORM");
    EXPECT_TRUE(log.str().starts_with("Pluvo 2: Sorry: Disk on fire.\n"
                                      "The program's dialogs cannot be shown"))
        << log.str();
}

} // namespace
