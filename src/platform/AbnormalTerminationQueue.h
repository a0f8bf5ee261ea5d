#pragma once

#include "platform/IAbnormalTerminationQueueAction.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// The actions to run when the program dies abnormally, so that it leaves the display and the
// cursor as it found them. The terminate handler calls runAll() on the process-wide queue.
class AbnormalTerminationQueue {
public:
    // Keeps an action in its queue; when the registration goes, the action goes too, so the queue
    // never calls into an object that no longer exists.
    class Registration {
    public:
        Registration() = default;
        Registration(Registration&& other) noexcept;
        Registration& operator=(Registration&& other) noexcept;
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;
        ~Registration();

        void cancel();

    private:
        friend class AbnormalTerminationQueue;
        Registration(AbnormalTerminationQueue& queue, uint64_t id) : queue_(&queue), id_(id) {}

        AbnormalTerminationQueue* queue_ = nullptr;
        uint64_t id_ = 0;
    };

    static AbnormalTerminationQueue& processWide();

    [[nodiscard]] Registration append(std::unique_ptr<IAbnormalTerminationQueueAction> action);

    // Runs every action once, the last appended first. An action that fails does not keep the
    // others from running: its error is ignored.
    void runAll() noexcept;

    std::size_t size() const;

private:
    void remove(uint64_t id);

    // The terminate handler may run on another thread than the one that appends.
    mutable std::mutex mutex_;
    std::vector<std::pair<uint64_t, std::unique_ptr<IAbnormalTerminationQueueAction>>> actions_;
    uint64_t nextId_ = 1;
};
