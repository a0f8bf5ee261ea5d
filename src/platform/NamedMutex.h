#pragma once

#include "errors/BasicError.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

// A lock that processes of the same user find by its name, such as "PLUVO_SCREEN_SAVER_RUNNING",
// and that the system releases when its holder ends, however it ends. On POSIX it is a lock file
// in $XDG_RUNTIME_DIR (or the temporary folder) held with flock; a holder's descriptor is not
// inherited by programs it starts: a started program that waits for its parent would otherwise
// wait for itself. On Windows it is a named mutex object.
class NamedMutex {
public:
    // A lock file that could not be opened or locked; the text names the lock and the reason.
    class Error : public BasicError {
    public:
        using BasicError::BasicError;
    };

    // Whether some holder, in this process or another, has the lock now.
    static bool isHeld(const std::string& name);

    // Takes the lock unless somebody else holds it; the lock is held until the object goes.
    static std::optional<NamedMutex> tryAcquire(const std::string& name);

    // Blocks until nobody holds the lock; returns at once when it was never created.
    static void waitUntilReleased(const std::string& name);

    // Where the lock file of a name lives on POSIX; the name is escaped so that any text is a safe
    // file name.
    static std::filesystem::path lockFilePath(const std::string& name);

    NamedMutex(NamedMutex&& other) noexcept
        : name_(std::move(other.name_)), handle_(std::exchange(other.handle_, -1)) {}
    NamedMutex& operator=(NamedMutex&& other) noexcept {
        if (this != &other) {
            giveUp();
            name_ = std::move(other.name_);
            handle_ = std::exchange(other.handle_, -1);
        }
        return *this;
    }
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;
    ~NamedMutex() { giveUp(); }

    const std::string& name() const { return name_; }

private:
    NamedMutex(std::string name, intptr_t handle) : name_(std::move(name)), handle_(handle) {}

    void giveUp() noexcept {
        if (handle_ != -1) {
            release(std::exchange(handle_, -1));
        }
    }
    // Lets the system's lock go: the back end closes the descriptor, or releases and closes the
    // mutex object.
    static void release(intptr_t handle) noexcept;

    std::string name_;
    // The lock file's descriptor, or the mutex object's handle; -1 when the lock was given away.
    intptr_t handle_ = -1;
};
