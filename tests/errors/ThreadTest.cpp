#include "errors/Thread.h"

#include "errors/GuardedPage.h"
#include "errors/StructuredException.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace {

// Runs a function as a worker's work and records on which thread the end was announced.
template <typename Work> class WorkerOf : public Thread {
public:
    explicit WorkerOf(Work work) : work_(std::move(work)) {}
    ~WorkerOf() override { waitForThread(); }

    std::thread::id finishedOn;
    bool runningWhenFinished = true;

private:
    int runThread() override { return work_(); }
    void threadFinished() override {
        finishedOn = std::this_thread::get_id();
        runningWhenFinished = isRunning();
    }

    Work work_;
};

template <typename Work> std::unique_ptr<WorkerOf<Work>> runToEnd(Work work) {
    auto worker = std::make_unique<WorkerOf<Work>>(std::move(work));
    worker->startThread();
    worker->waitForThread();
    return worker;
}

TEST(ThreadTest, ResultOfTheWorkWithoutATrap) {
    const auto worker = runToEnd([] { return 7; });
    EXPECT_EQ(worker->exitCode(), 7);
    EXPECT_FALSE(worker->hasError());
    EXPECT_EQ(worker->trap(), nullptr);
    EXPECT_NE(worker->finishedOn, std::this_thread::get_id());
    EXPECT_FALSE(worker->runningWhenFinished);
}

TEST(ThreadTest, ErrorsBecomeTrapsThatTheOwnerThrowsAgain) {
    const auto unknown = runToEnd([]() -> int { throw 42; });
    EXPECT_EQ(unknown->exitCode(), -1);
    ASSERT_TRUE(unknown->hasError());
    EXPECT_EQ(unknown->trap()->errorText(), "Unknown exception in a worker thread.");
    EXPECT_THROW(unknown->trap()->rethrow(), BasicError);

    const auto standard = runToEnd([]() -> int { throw std::runtime_error("disk gone"); });
    EXPECT_EQ(standard->exitCode(), -1);
    EXPECT_EQ(standard->trap()->errorText(), "disk gone");
    try {
        standard->trap()->rethrow();
        FAIL();
    } catch (const VerboseError&) {
        FAIL() << "a plain error must not come back as a detailed one";
    } catch (const BasicError& error) {
        EXPECT_STREQ(error.what(), "disk gone");
    }

    const auto verbose = runToEnd([]() -> int { throw VerboseError("lost"); });
    const std::string text = verbose->trap()->errorText();
    EXPECT_EQ(text.substr(0, 5), "lost\n");
    EXPECT_EQ(text.back(), '\n');
    EXPECT_GT(text.size(), 7u) << "the details follow the message";
    EXPECT_THROW(verbose->trap()->rethrow(), VerboseError);
}

TEST(ThreadTest, AProcessorFaultInTheWorkIsTrappedAsADetailedError) {
    GuardedPage page;
    const auto worker = runToEnd([&page] {
        *reinterpret_cast<volatile int*>(page.unreadable()) = 1;
        return 0;
    });
    EXPECT_EQ(worker->exitCode(), -1);
    ASSERT_NE(dynamic_cast<const Thread::VerboseErrorTrap*>(worker->trap()), nullptr);
    EXPECT_NE(worker->trap()->errorText().find("ACCESS_VIOLATION"), std::string::npos);
    EXPECT_THROW(worker->trap()->rethrow(), VerboseError);
}

TEST(ThreadTest, ALaterRunReplacesTheEarlierTrap) {
    int run = 0;
    WorkerOf worker([&run]() -> int {
        if (++run == 1) {
            throw std::runtime_error("first");
        }
        throw std::runtime_error("second");
    });
    worker.startThread();
    worker.startThread();
    worker.waitForThread();
    EXPECT_EQ(worker.trap()->errorText(), "second");
}

} // namespace
