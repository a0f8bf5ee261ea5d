#include "platform/NamedMutex.h"

#include "backends/win32/WideText.h"

#include <utility>
#include <windows.h>

// A named mutex object: it exists while any process holds a handle to it, so a saver that ends,
// however it ends, lets the next one run.
namespace {

HANDLE openExisting(const std::string& name, DWORD access) {
    return OpenMutexW(access, FALSE, Win32::wide(name).c_str());
}

[[noreturn]] void throwLockError(const std::string& name, const std::string& what) {
    throw NamedMutex::Error("Could not " + what + " the lock \"" + name +
                            "\": GetLastError() = " + std::to_string(GetLastError()) + ".");
}

HANDLE handleOf(intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

bool NamedMutex::isHeld(const std::string& name) {
    const HANDLE existing = openExisting(name, SYNCHRONIZE);
    if (existing == nullptr) {
        return false;
    }
    CloseHandle(existing);
    return true;
}

// Asked first, then made, as the saver always did: a mutex made by another user's session is
// found by the name but cannot be opened with full access, and then counts as held as well.
std::optional<NamedMutex> NamedMutex::tryAcquire(const std::string& name) {
    if (const HANDLE existing = openExisting(name, MUTEX_ALL_ACCESS)) {
        CloseHandle(existing);
        return std::nullopt;
    }
    const HANDLE created = CreateMutexW(nullptr, TRUE, Win32::wide(name).c_str());
    if (created == nullptr) {
        if (GetLastError() == ERROR_ACCESS_DENIED) {
            return std::nullopt;
        }
        throwLockError(name, "create");
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(created);
        return std::nullopt;
    }
    return NamedMutex(name, reinterpret_cast<intptr_t>(created));
}

// A holder that ends without releasing leaves the mutex abandoned, which ends the wait as well.
void NamedMutex::waitUntilReleased(const std::string& name) {
    const HANDLE existing = openExisting(name, SYNCHRONIZE | MUTEX_MODIFY_STATE);
    if (existing == nullptr) {
        return;
    }
    const DWORD result = WaitForSingleObject(existing, INFINITE);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {
        ReleaseMutex(existing);
    }
    CloseHandle(existing);
    if (result == WAIT_FAILED) {
        throwLockError(name, "wait for");
    }
}

void NamedMutex::release(intptr_t handle) noexcept {
    ReleaseMutex(handleOf(handle));
    CloseHandle(handleOf(handle));
}
