#include "backends/qt/uninstaller/QtUninstallerUi.h"

#include "WizardTestSupport.h"
#include "installer/DefaultUninstallerScript.h"

#include <gtest/gtest.h>

namespace Installer {
namespace {

constexpr const char* caption = "Add/Remove Programs";

class QtUninstallerUiTest : public ::testing::Test {
protected:
    RecordingReporter reporter;
    QtUninstallerUi ui{"PR: Pluvo Screen Saver 2.2.17", reporter};
};

TEST_F(QtUninstallerUiTest, TheQuestionOffersYesFirstAndTellsWhichWasChosen) {
    MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::No});
    EXPECT_TRUE(ui.askYesNo("Remove it?", caption));
    EXPECT_FALSE(ui.askYesNo("Remove it?", caption));

    ASSERT_EQ(answerer.seen().size(), 2u);
    EXPECT_EQ(answerer.seen()[0].caption, caption);
    EXPECT_EQ(answerer.seen()[0].text, "Remove it?");
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Question);
    EXPECT_EQ(answerer.seen()[0].defaultButton, QMessageBox::Yes);
}

TEST_F(QtUninstallerUiTest, MessagesShowTheirIcons) {
    MessageBoxAnswerer answerer({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
    ui.showMessage("Already removed", caption, IUninstallerUi::Icon::Warning);
    ui.showMessage("Not allowed", caption, IUninstallerUi::Icon::Error);
    ui.showMessage("Removed", caption, IUninstallerUi::Icon::Information);

    ASSERT_EQ(answerer.seen().size(), 3u);
    EXPECT_EQ(answerer.seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(answerer.seen()[1].icon, QMessageBox::Critical);
    EXPECT_EQ(answerer.seen()[2].icon, QMessageBox::Information);
    EXPECT_EQ(answerer.seen()[2].text, "Removed");
    EXPECT_EQ(answerer.seen()[2].caption, caption);
}

TEST_F(QtUninstallerUiTest, TheWizardRunsTheScriptAndReportsItsErrorUnderTheTitle) {
    auto log = std::make_shared<ActionLog>();
    ActionList actions;
    actions.push_back(
        std::make_unique<LoggingAction>(log, "only", LoggingAction::Failure::basicError));
    DefaultUninstallerScript script("", "", std::move(actions));

    ui.runWizard(script, "Pluvo Screen Saver 2.2.17");

    EXPECT_TRUE(script.failed());
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].title, "Pluvo Screen Saver 2.2.17");
    EXPECT_EQ(reporter.reports[0].message, "only failed");
}

} // namespace
} // namespace Installer
