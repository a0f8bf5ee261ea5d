#include "backends/qt/uninstaller/WizardDialog.h"

#include "WizardTestSupport.h"
#include "backends/qt/uninstaller/InteriorPageLayout.h"
#include "backends/qt/uninstaller/ProgressPage.h"
#include "backends/qt/uninstaller/UninstallerWizard.h"
#include "backends/qt/uninstaller/WizardHeader.h"
#include "backends/qt/uninstaller/WizardPictures.h"
#include "installer/DefaultUninstallerScript.h"
#include "installer/InstallerTexts.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

namespace Installer {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Failure = LoggingAction::Failure;

constexpr const char* title = "Pluvo Screen Saver 2.2.17";
constexpr const char* systemInformation = "PR: Pluvo Screen Saver 2.2.17\r\nDX: 0.0";
constexpr std::chrono::milliseconds shortPause{20};

// A wizard over a script of logging actions, its dialog made and its run begun.
class UninstallerWizardTest : public ::testing::Test {
protected:
    void addAction(const std::string& name, Failure failure = Failure::none) {
        actions_.push_back(std::make_unique<LoggingAction>(log, name, failure));
    }

    WizardDialog& startWizard(std::chrono::milliseconds pause = shortPause) {
        script_ = std::make_unique<DefaultUninstallerScript>("", "", std::move(actions_));
        wizard_ = makeUninstallerWizard({*script_, title, systemInformation, reporter, pause});
        dialog_ = std::make_unique<WizardDialog>(*wizard_, title);
        dialog_->open();
        return *dialog_;
    }

    // Waits until the dialog has ended and gives its result.
    int waitForEnd() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog_->isVisible(); }, 10000));
        return dialog_->result();
    }

    ProgressPage& progressPage() const {
        auto& layout = dynamic_cast<InteriorPageLayout&>(*dialog_->currentPage());
        return dynamic_cast<ProgressPage&>(layout.inner());
    }

    // A held action must not keep a failed test from ending.
    ~UninstallerWizardTest() override { log->release(); }

    bool failed() const { return script_->failed(); }
    void destroyDialog() { dialog_.reset(); }

    std::shared_ptr<ActionLog> log = std::make_shared<ActionLog>();
    RecordingReporter reporter;

private:
    ActionList actions_;
    std::unique_ptr<DefaultUninstallerScript> script_;
    std::unique_ptr<Wizard> wizard_;
    std::unique_ptr<WizardDialog> dialog_;
};

TEST_F(UninstallerWizardTest, RunsEveryActionWithTheButtonsDisabledAndFinishes) {
    addAction("first");
    addAction("second");
    WizardDialog& dialog = startWizard();

    EXPECT_EQ(dialog.windowTitle(), title);
    EXPECT_FALSE(dialog.windowIcon().isNull());
    EXPECT_EQ(WizardPictures::headerGraphic().size(), QSize(48, 48));
    EXPECT_EQ(dialog.nextButton().text().toStdString(), text(Text::finish));
    EXPECT_EQ(dialog.backButton().text(), "< &Back");
    EXPECT_FALSE(dialog.nextButton().isEnabled());
    EXPECT_FALSE(dialog.backButton().isEnabled());
    EXPECT_FALSE(dialog.cancelButton().isEnabled());
    const auto& layout = dynamic_cast<InteriorPageLayout&>(*dialog.currentPage());
    EXPECT_EQ(layout.header().title().toStdString(), text(Text::progressTitle));
    EXPECT_EQ(layout.header().description().toStdString(), text(Text::progressDescription));

    EXPECT_EQ(waitForEnd(), WizardDialog::finished);
    EXPECT_THAT(log->entries(), ElementsAre("first", "second"));
    EXPECT_EQ(progressPage().bar().maximum(), 200);
    EXPECT_EQ(progressPage().bar().value(), 200);
    EXPECT_EQ(progressPage().actionText(), "Doing second");
    EXPECT_FALSE(failed());
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(UninstallerWizardTest, AnEmptyScriptShowsTheEmptyBarForTheFinalPauseAndSucceeds) {
    const auto start = std::chrono::steady_clock::now();
    startWizard(ProgressWorker::finalPause);

    EXPECT_EQ(waitForEnd(), WizardDialog::finished);
    EXPECT_GE(std::chrono::steady_clock::now() - start, ProgressWorker::finalPause);
    // Empty, not Qt's busy animation.
    EXPECT_EQ(progressPage().bar().value(), 0);
    EXPECT_GT(progressPage().bar().maximum(), progressPage().bar().minimum());
    EXPECT_TRUE(progressPage().actionText().isEmpty());
    EXPECT_FALSE(failed());
}

TEST_F(UninstallerWizardTest, TheFirstErrorEndsTheRunAndIsReportedOnce) {
    addAction("first");
    addAction("second", Failure::basicError);
    addAction("third");
    startWizard();

    EXPECT_EQ(waitForEnd(), WizardDialog::finished);
    EXPECT_THAT(log->entries(), ElementsAre("first", "second"));
    EXPECT_TRUE(failed());
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_FALSE(reporter.reports[0].detailed);
    EXPECT_EQ(reporter.reports[0].title, title);
    EXPECT_EQ(reporter.reports[0].message, "second failed");
}

TEST_F(UninstallerWizardTest, AVerboseErrorReachesTheDetailedReport) {
    addAction("only", Failure::verboseError);
    startWizard();

    EXPECT_EQ(waitForEnd(), WizardDialog::finished);
    EXPECT_TRUE(failed());
    ASSERT_EQ(reporter.reports.size(), 1u);
    const RecordingReporter::Report& report = reporter.reports[0];
    EXPECT_TRUE(report.detailed);
    EXPECT_EQ(report.title, title);
    EXPECT_EQ(report.message, "only failed");
    EXPECT_THAT(report.text, StartsWith(std::string(systemInformation) + "\r\n\r\nonly failed"));
    EXPECT_THAT(report.text, HasSubstr("MB: "));
}

TEST_F(UninstallerWizardTest, ClosingDuringTheRunStopsAfterTheActionInProgress) {
    addAction("first");
    addAction("second");
    log->holdAt("first");
    WizardDialog& dialog = startWizard();
    ASSERT_TRUE(log->waitUntilHeld());

    // Escape belongs to the disabled Cancel button; the window's close asks.
    MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Yes});
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(answerer.seen().empty());
    dialog.close();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text.toStdString(), text(Text::interruptQuestion, title));
    EXPECT_TRUE(dialog.isVisible());
    log->release();

    EXPECT_EQ(waitForEnd(), WizardDialog::cancelled);
    EXPECT_THAT(log->entries(), ElementsAre("first"));
    EXPECT_TRUE(failed());
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(UninstallerWizardTest, ARunThatEndsWhileTheUserIsAskedClosesTheQuestion) {
    addAction("first");
    addAction("second");
    log->holdAt("first");
    WizardDialog& dialog = startWizard();
    ASSERT_TRUE(log->waitUntilHeld());

    QTimer::singleShot(20, &dialog, [this] { log->release(); });
    dialog.close();

    EXPECT_EQ(waitForEnd(), WizardDialog::finished);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_THAT(log->entries(), ElementsAre("first", "second"));
    EXPECT_FALSE(failed());
}

TEST_F(UninstallerWizardTest, ADialogDestroyedDuringTheRunWaitsForTheActionInProgress) {
    addAction("first");
    addAction("second");
    log->holdAt("first");
    startWizard();
    ASSERT_TRUE(log->waitUntilHeld());
    std::thread releaser([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        log->release();
    });

    destroyDialog();
    releaser.join();
    EXPECT_THAT(log->entries(), ElementsAre("first"));
    EXPECT_TRUE(failed());
}

} // namespace
} // namespace Installer
