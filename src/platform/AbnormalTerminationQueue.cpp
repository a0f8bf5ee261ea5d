#include "platform/AbnormalTerminationQueue.h"

#include <algorithm>

AbnormalTerminationQueue::Registration::Registration(Registration&& other) noexcept
    : queue_(std::exchange(other.queue_, nullptr)), id_(other.id_) {}

AbnormalTerminationQueue::Registration&
AbnormalTerminationQueue::Registration::operator=(Registration&& other) noexcept {
    if (this != &other) {
        cancel();
        queue_ = std::exchange(other.queue_, nullptr);
        id_ = other.id_;
    }
    return *this;
}

AbnormalTerminationQueue::Registration::~Registration() {
    cancel();
}

void AbnormalTerminationQueue::Registration::cancel() {
    if (queue_ != nullptr) {
        std::exchange(queue_, nullptr)->remove(id_);
    }
}

AbnormalTerminationQueue& AbnormalTerminationQueue::processWide() {
    static AbnormalTerminationQueue queue;
    return queue;
}

AbnormalTerminationQueue::Registration
AbnormalTerminationQueue::append(std::unique_ptr<IAbnormalTerminationQueueAction> action) {
    const std::lock_guard lock(mutex_);
    const uint64_t id = nextId_++;
    actions_.emplace_back(id, std::move(action));
    return Registration(*this, id);
}

void AbnormalTerminationQueue::runAll() noexcept {
    // Taken out first, so that an action that ends in another termination does not run again and
    // the lock is not held while actions run.
    decltype(actions_) taken;
    {
        const std::lock_guard lock(mutex_);
        taken.swap(actions_);
    }
    for (auto action = taken.rbegin(); action != taken.rend(); ++action) {
        try {
            action->second->run();
        } catch (...) {
            // The program is dying already; the remaining actions matter more than this error.
        }
    }
}

std::size_t AbnormalTerminationQueue::size() const {
    const std::lock_guard lock(mutex_);
    return actions_.size();
}

void AbnormalTerminationQueue::remove(uint64_t id) {
    const std::lock_guard lock(mutex_);
    std::erase_if(actions_, [id](const auto& entry) { return entry.first == id; });
}
