#include "platform/AbnormalTerminationQueue.h"

#include "platform/AbnormalTerminationQueueMemFunAction.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

class Recorder {
public:
    explicit Recorder(std::string& log, char mark) : log_(log), mark_(mark) {}
    void note() { log_ += mark_; }
    void fail() {
        log_ += '!';
        throw std::runtime_error("action failed");
    }

private:
    std::string& log_;
    char mark_;
};

AbnormalTerminationQueue::Registration appendCall(AbnormalTerminationQueue& queue,
                                                  Recorder& recorder, void (Recorder::*call)()) {
    return queue.append(
        std::make_unique<AbnormalTerminationQueueMemFunAction<Recorder>>(recorder, call));
}

} // namespace

TEST(AbnormalTerminationQueueTest, ActionsRunLastFirstAndAFailureDoesNotStopTheRest) {
    std::string log;
    Recorder first(log, 'a');
    Recorder second(log, 'b');
    Recorder third(log, 'c');
    AbnormalTerminationQueue queue;
    auto a = appendCall(queue, first, &Recorder::note);
    auto b = appendCall(queue, second, &Recorder::fail);
    auto c = appendCall(queue, third, &Recorder::note);

    queue.runAll();
    EXPECT_EQ(log, "c!a");
    // Each action runs once, even when the queue is run again.
    queue.runAll();
    EXPECT_EQ(log, "c!a");
    EXPECT_EQ(queue.size(), 0u);
}

TEST(AbnormalTerminationQueueTest, AnActionLeavesWithItsRegistration) {
    std::string log;
    AbnormalTerminationQueue queue;
    auto kept = std::make_unique<Recorder>(log, 'k');
    auto keptRegistration = appendCall(queue, *kept, &Recorder::note);
    {
        auto gone = std::make_unique<Recorder>(log, 'g');
        auto goneRegistration = appendCall(queue, *gone, &Recorder::note);
        EXPECT_EQ(queue.size(), 2u);
    }
    EXPECT_EQ(queue.size(), 1u);

    AbnormalTerminationQueue::Registration moved = std::move(keptRegistration);
    keptRegistration.cancel();
    EXPECT_EQ(queue.size(), 1u);
    queue.runAll();
    EXPECT_EQ(log, "k");
}
