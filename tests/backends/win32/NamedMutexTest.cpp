#include "platform/NamedMutex.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace {

const std::string lockName = "PLUVO_TEST_LOCK_" + std::to_string(GetCurrentProcessId());

// A holder on a thread of its own, as another saver would be; a mutex belongs to the thread
// that took it.
class HolderThread {
public:
    HolderThread() {
        thread_ = std::thread([this] {
            std::optional<NamedMutex> lock = NamedMutex::tryAcquire(lockName);
            took_ = lock.has_value();
            taken_ = true;
            while (!release_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        while (!taken_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~HolderThread() { release(); }
    void release() {
        release_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    bool took() const { return took_; }

private:
    std::atomic<bool> taken_{false};
    std::atomic<bool> took_{false};
    std::atomic<bool> release_{false};
    std::thread thread_;
};

} // namespace

TEST(NamedMutexTest, ASecondSaverFindsTheLockHeldUntilTheFirstGoes) {
    EXPECT_FALSE(NamedMutex::isHeld(lockName));
    NamedMutex::waitUntilReleased(lockName); // nobody made it: no wait
    {
        HolderThread holder;
        ASSERT_TRUE(holder.took());
        EXPECT_TRUE(NamedMutex::isHeld(lockName));
        EXPECT_FALSE(NamedMutex::tryAcquire(lockName).has_value());

        std::atomic<bool> releaseAsked{false};
        std::thread releaser([&holder, &releaseAsked] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            releaseAsked = true;
            holder.release();
        });
        NamedMutex::waitUntilReleased(lockName);
        EXPECT_TRUE(releaseAsked) << "the wait ended while the holder still had the lock";
        // A holder lets go of the mutex before it closes its handle, and the name lasts until
        // then: the lock is free by its name only once the holder has gone.
        releaser.join();
        EXPECT_FALSE(NamedMutex::isHeld(lockName));
    }
    std::optional<NamedMutex> mine = NamedMutex::tryAcquire(lockName);
    ASSERT_TRUE(mine.has_value());
    EXPECT_FALSE(NamedMutex::tryAcquire(lockName).has_value()) << "one holder at a time";
    NamedMutex moved = std::move(*mine);
    mine.reset();
    EXPECT_TRUE(NamedMutex::isHeld(lockName)) << "the moved lock is still held";
}
