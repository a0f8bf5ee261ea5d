#include "platform/NamedMutex.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

extern char** environ;

namespace {

// Gives every test a runtime folder of its own, so that locks of parallel runs never meet.
class NamedMutexTest : public ::testing::Test {
protected:
    NamedMutexTest()
        : folder(fs::temp_directory_path() /
                 ("named-mutex-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::create_directories(folder);
        const char* previous = std::getenv("XDG_RUNTIME_DIR");
        if (previous != nullptr) {
            savedRuntimeFolder = previous;
        }
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
    ~NamedMutexTest() override {
        if (savedRuntimeFolder) {
            ::setenv("XDG_RUNTIME_DIR", savedRuntimeFolder->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
        fs::remove_all(folder);
    }

    fs::path folder;
    std::optional<std::string> savedRuntimeFolder;
    const std::string name = "PLUVO_SCREEN_SAVER_RUNNING";
};

// A second process that takes the lock and keeps it until told to end.
class LockHoldingChild {
public:
    explicit LockHoldingChild(const std::string& name) {
        int toParent[2];
        int toChild[2];
        EXPECT_EQ(::pipe(toParent), 0);
        EXPECT_EQ(::pipe(toChild), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toParent[0]);
            ::close(toChild[1]);
            auto lock = NamedMutex::tryAcquire(name);
            const char answer = lock ? 'y' : 'n';
            [[maybe_unused]] auto written = ::write(toParent[1], &answer, 1);
            char ignored = 0;
            [[maybe_unused]] auto read = ::read(toChild[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(toParent[1]);
        ::close(toChild[0]);
        fromChild_ = toParent[0];
        toChild_ = toChild[1];
        char answer = 0;
        acquired_ = ::read(fromChild_, &answer, 1) == 1 && answer == 'y';
    }
    ~LockHoldingChild() {
        end();
        ::close(fromChild_);
    }

    bool acquired() const { return acquired_; }

    void end() {
        if (toChild_ >= 0) {
            ::close(toChild_);
            toChild_ = -1;
        }
        if (pid_ > 0) {
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

    // Lets the child end without waiting for it, as an unrelated process would.
    void release() {
        ::close(toChild_);
        toChild_ = -1;
    }

private:
    pid_t pid_ = -1;
    int fromChild_ = -1;
    int toChild_ = -1;
    bool acquired_ = false;
};

} // namespace

TEST_F(NamedMutexTest, ASecondProcessSeesTheLockHeldAndCannotTakeIt) {
    LockHoldingChild child(name);
    ASSERT_TRUE(child.acquired());
    EXPECT_TRUE(NamedMutex::isHeld(name));
    EXPECT_FALSE(NamedMutex::tryAcquire(name).has_value());

    child.release();
    NamedMutex::waitUntilReleased(name);
    EXPECT_FALSE(NamedMutex::isHeld(name));
    EXPECT_TRUE(NamedMutex::tryAcquire(name).has_value());
}

TEST_F(NamedMutexTest, TheHolderKeepsTheLockUntilItGoes) {
    {
        auto lock = NamedMutex::tryAcquire(name);
        ASSERT_TRUE(lock.has_value());
        EXPECT_TRUE(NamedMutex::isHeld(name));
        EXPECT_FALSE(NamedMutex::tryAcquire(name).has_value());

        NamedMutex moved = std::move(*lock);
        lock.reset();
        EXPECT_TRUE(NamedMutex::isHeld(name));
        EXPECT_FALSE(NamedMutex::isHeld("PLUVO_SCREEN_SAVER_PREVIEW_RUNNING"));

        LockHoldingChild child(name);
        EXPECT_FALSE(child.acquired());
    }
    EXPECT_FALSE(NamedMutex::isHeld(name));
}

TEST_F(NamedMutexTest, ALockNobodyCreatedIsFreeAndNotWaitedFor) {
    EXPECT_FALSE(NamedMutex::isHeld("KILLER'S_PARENT_IS_RUNNING"));
    NamedMutex::waitUntilReleased("KILLER'S_PARENT_IS_RUNNING");
    EXPECT_FALSE(fs::exists(NamedMutex::lockFilePath("KILLER'S_PARENT_IS_RUNNING")));
}

TEST_F(NamedMutexTest, AStartedProgramDoesNotInheritTheLock) {
    auto lock = NamedMutex::tryAcquire("KILLER'S_PARENT_IS_RUNNING");
    ASSERT_TRUE(lock.has_value());
    pid_t sleeper = 0;
    char program[] = "/bin/sleep";
    char seconds[] = "30";
    char* arguments[] = {program, seconds, nullptr};
    ASSERT_EQ(::posix_spawn(&sleeper, program, nullptr, nullptr, arguments, environ), 0);

    lock.reset();
    EXPECT_FALSE(NamedMutex::isHeld("KILLER'S_PARENT_IS_RUNNING"));

    ::kill(sleeper, SIGKILL);
    ::waitpid(sleeper, nullptr, 0);
}

TEST_F(NamedMutexTest, NamesBecomeSafeDistinctFileNames) {
    EXPECT_EQ(NamedMutex::lockFilePath("KILLER'S_PARENT_IS_RUNNING"),
              folder / "KILLER%27S_PARENT_IS_RUNNING.lock");
    EXPECT_EQ(NamedMutex::lockFilePath("../x/y"), folder / "%2E%2E%2Fx%2Fy.lock");
    EXPECT_NE(NamedMutex::lockFilePath("A'B"), NamedMutex::lockFilePath("A_B"));

    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(NamedMutex::lockFilePath("PLUVO_SCREEN_SAVER_RUNNING"),
              fs::temp_directory_path() /
                  ("PLUVO_SCREEN_SAVER_RUNNING-" + std::to_string(::getuid()) + ".lock"));
}

TEST_F(NamedMutexTest, AnUnusableLockFileIsAnError) {
    fs::create_directories(NamedMutex::lockFilePath(name));
    EXPECT_THROW(NamedMutex::tryAcquire(name), NamedMutex::Error);
}
