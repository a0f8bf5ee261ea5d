#include "installer/ProgressWorker.h"

#include "InstallerFixture.h"
#include "errors/BasicError.h"
#include "installer/DefaultUninstallerScript.h"
#include "installer/RemoveFileAction.h"
#include "installer/UnregisterServerAction.h"

#include <condition_variable>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <mutex>

namespace fs = std::filesystem;
using namespace Installer;
using ::testing::ElementsAre;

namespace {

class RecordingView : public IProgressView {
public:
    void setRange(int minimum, int maximum) override {
        calls.push_back("range " + std::to_string(minimum) + ".." + std::to_string(maximum));
    }
    void setPosition(int position) override {
        calls.push_back("position " + std::to_string(position));
    }
    void setActionText(const std::string& text) override { calls.push_back("text " + text); }

    std::vector<std::string> calls;
};

class ProgressWorkerTest : public ::testing::Test, protected InstallerFixture {
protected:
    // Runs the script to its end; finished must come exactly once, on the worker.
    std::unique_ptr<ProgressWorker> run(const DefaultUninstallerScript& script,
                                        std::chrono::milliseconds pause) {
        auto worker = std::make_unique<ProgressWorker>(
            script, view, [this] { ++finishedCalls; }, pause);
        worker->startThread();
        worker->waitForThread();
        return worker;
    }

    RecordingView view;
    int finishedCalls = 0;
};

TEST_F(ProgressWorkerTest, ActionsRunInOrderWithAHundredStepsEach) {
    const std::string a = makeFile("a");
    const std::string b = makeFile("b");
    ActionList actions;
    actions.push_back(std::make_unique<RemoveFileAction>(a));
    actions.push_back(std::make_unique<RemoveFileAction>(b));
    const DefaultUninstallerScript script("", "", std::move(actions));
    const auto worker = run(script, std::chrono::milliseconds(0));
    EXPECT_FALSE(worker->hasError());
    EXPECT_THAT(view.calls, ElementsAre("range 0..200", "text Removing file: " + a, "position 100",
                                        "text Removing file: " + b, "position 200"));
    EXPECT_FALSE(fs::exists(a) || fs::exists(b));
    EXPECT_EQ(finishedCalls, 1);
}

TEST_F(ProgressWorkerTest, AnEmptyScriptWaitsTheFinalPause) {
    const DefaultUninstallerScript script("", "", {});
    const auto start = std::chrono::steady_clock::now();
    const auto worker = run(script, std::chrono::milliseconds(150));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    EXPECT_THAT(view.calls, ElementsAre("range 0..0"));
    EXPECT_FALSE(worker->hasError());
    EXPECT_EQ(finishedCalls, 1);
}

TEST_F(ProgressWorkerTest, TheFirstErrorEndsTheRunAtOnce) {
    const std::string first = makeFile("first");
    const std::string third = makeFile("third");
    ActionList actions;
    actions.push_back(std::make_unique<RemoveFileAction>(first));
    actions.push_back(std::make_unique<UnregisterServerAction>("/no/such/server", true));
    actions.push_back(std::make_unique<RemoveFileAction>(third));
    const DefaultUninstallerScript script("", "", std::move(actions));
    const auto start = std::chrono::steady_clock::now();
    const auto worker = run(script, std::chrono::seconds(5));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5))
        << "no final pause after an error";
    ASSERT_TRUE(worker->hasError());
    EXPECT_EQ(worker->trap()->errorText(), "Could not unregister file: \"/no/such/server\"");
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(fs::exists(third));
    EXPECT_EQ(finishedCalls, 1);
    EXPECT_EQ(view.calls.back(), "position 100");
}

TEST_F(ProgressWorkerTest, AStopRequestEndsTheRunAfterTheActionInProgress) {
    const std::string first = makeFile("first");
    const std::string second = makeFile("second");
    ActionList actions;
    actions.push_back(std::make_unique<RemoveFileAction>(first));
    actions.push_back(std::make_unique<RemoveFileAction>(second));
    const DefaultUninstallerScript script("", "", std::move(actions));

    // The view holds the worker inside the first action until the stop has been requested.
    class StoppingView : public RecordingView {
    public:
        ProgressWorker* worker = nullptr;
        void setActionText(const std::string& text) override {
            worker->requestStop();
            RecordingView::setActionText(text);
        }
    } stopping;
    ProgressWorker worker(script, stopping, {}, std::chrono::milliseconds(0));
    stopping.worker = &worker;
    worker.startThread();
    worker.waitForThread();
    EXPECT_TRUE(worker.stopped());
    EXPECT_FALSE(fs::exists(first));
    EXPECT_TRUE(fs::exists(second));
}

} // namespace
