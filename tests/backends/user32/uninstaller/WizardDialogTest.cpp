#include "backends/user32/uninstaller/WizardDialog.h"

#include "backends/user32/uninstaller/ProgressPage.h"
#include "errors/BasicError.h"
#include "errors/VerboseError.h"
#include "installer/DefaultUninstallerScript.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

using User32::ProgressPage;
using User32::WizardDialog;

// What the actions of a test script did, in order, shared by their clones on the worker.
struct ActionLog {
    std::mutex mutex;
    std::vector<std::string> names;
    std::vector<int> barPositions;
};

class LoggingAction : public Installer::IUninstallationAction {
public:
    enum class Failure { none, basicError, verboseError };

    LoggingAction(std::shared_ptr<ActionLog> log, std::string name, Failure failure)
        : log_(std::move(log)), name_(std::move(name)), failure_(failure) {}

    // The page's controls are read here, on the worker, as the wizard shows them while the
    // action runs: the text the action just set must already be there.
    void execute(Installer::IProgressIndicator& progress) override {
        progress.setText(name_);
        {
            const std::lock_guard lock(log_->mutex);
            log_->names.push_back(name_ + ":" + shownText());
            log_->barPositions.push_back(barPosition());
        }
        if (failure_ == Failure::basicError) {
            throw BasicError(name_ + " failed");
        }
        if (failure_ == Failure::verboseError) {
            throw VerboseError(name_ + " failed");
        }
    }
    std::unique_ptr<Installer::IUninstallationAction> clone() const override {
        return std::make_unique<LoggingAction>(log_, name_, failure_);
    }

    static HWND page;

private:
    static std::string shownText() {
        char text[64] = {};
        GetDlgItemTextA(page, ProgressPage::actionField, text, sizeof(text));
        return text;
    }
    static int barPosition() {
        return static_cast<int>(SendDlgItemMessageW(page, ProgressPage::bar, PBM_GETPOS, 0, 0));
    }

    std::shared_ptr<ActionLog> log_;
    std::string name_;
    Failure failure_;
};

HWND LoggingAction::page = nullptr;

class RecordingReporter : public Installer::IErrorReporter {
public:
    void showDetailedReport(const std::string& title, const std::string& message,
                            const std::string& reportText) override {
        reports.push_back("detailed " + title + ": " + message + " | " + reportText);
    }
    void showError(const std::string& title, const std::string& text) override {
        reports.push_back("box " + title + ": " + text);
    }
    std::vector<std::string> reports;
};

class WizardDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&controls);
    }

    void add(const std::string& name,
             LoggingAction::Failure failure = LoggingAction::Failure::none) {
        actions_.push_back(std::make_unique<LoggingAction>(log_, name, failure));
    }

    // Runs the wizard over the script until it closes by itself, as it does when its work ends.
    INT_PTR runWizard() {
        script_ =
            std::make_unique<Installer::DefaultUninstallerScript>("", "", std::move(actions_));
        std::vector<WizardDialog::PageFactory> pages;
        pages.push_back([this](HWND parent, Installer::IWizardPageGUIHost& host) {
            auto page = std::make_unique<ProgressPage>(
                parent, host,
                ProgressPage::Setup{*script_, "Wizard", "system", reporter_,
                                    std::chrono::milliseconds(0)});
            LoggingAction::page = page->window();
            return page;
        });
        return WizardDialog(std::move(pages), "Wizard").run();
    }

    std::shared_ptr<ActionLog> log_ = std::make_shared<ActionLog>();
    Installer::ActionList actions_;
    std::unique_ptr<Installer::DefaultUninstallerScript> script_;
    RecordingReporter reporter_;
};

TEST_F(WizardDialogTest, RunsEveryActionInOrderShowingEachAndClosesWhenDone) {
    add("first");
    add("second");
    add("third");
    EXPECT_EQ(runWizard(), WizardDialog::finished);
    EXPECT_EQ(log_->names,
              (std::vector<std::string>{"first:first", "second:second", "third:third"}));
    // A hundred for each action done.
    EXPECT_EQ(log_->barPositions, (std::vector<int>{0, 100, 200}));
    EXPECT_FALSE(script_->failed());
    EXPECT_TRUE(reporter_.reports.empty());
}

TEST_F(WizardDialogTest, AScriptWithoutActionsClosesTheWizardAsDone) {
    EXPECT_EQ(runWizard(), WizardDialog::finished);
    EXPECT_FALSE(script_->failed());
}

TEST_F(WizardDialogTest, TheFirstFailingActionEndsTheRunAndIsReportedOnce) {
    add("first");
    add("second", LoggingAction::Failure::basicError);
    add("third");
    EXPECT_EQ(runWizard(), WizardDialog::finished);
    EXPECT_EQ(log_->names, (std::vector<std::string>{"first:first", "second:second"}));
    EXPECT_TRUE(script_->failed());
    EXPECT_EQ(reporter_.reports, (std::vector<std::string>{"box Wizard: second failed"}));
}

TEST_F(WizardDialogTest, AVerboseErrorGetsTheDetailedReport) {
    add("only", LoggingAction::Failure::verboseError);
    runWizard();
    ASSERT_EQ(reporter_.reports.size(), 1u);
    // The report's text begins with what the system is, then the error's message.
    EXPECT_EQ(
        reporter_.reports[0].rfind("detailed Wizard: only failed | system\r\n\r\nonly failed", 0),
        0u);
    EXPECT_TRUE(script_->failed());
}

} // namespace
