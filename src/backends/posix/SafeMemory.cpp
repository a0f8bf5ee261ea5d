#include "errors/SafeMemory.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

// The kernel copies the bytes, so an unreadable source gives EFAULT instead of a signal.
ssize_t readOwnMemory(uintptr_t address, void* destination, std::size_t size) {
    iovec local{destination, size};
    iovec remote{reinterpret_cast<void*>(address), size};
    return process_vm_readv(getpid(), &local, 1, &remote, 1, 0);
}

// Where cross-process reads are forbidden (seccomp filters, old kernels), writing the bytes into
// a pipe checks them the same way.
bool readThroughPipe(uintptr_t address, void* destination, std::size_t size) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    const bool copied = write(ends[1], reinterpret_cast<const void*>(address), size) ==
                            static_cast<ssize_t>(size) &&
                        read(ends[0], destination, size) == static_cast<ssize_t>(size);
    close(ends[0]);
    close(ends[1]);
    return copied;
}

} // namespace

bool readMemory(uintptr_t address, void* destination, std::size_t size) {
    if (size == 0) {
        return true;
    }
    if (address + size < address) {
        return false;
    }
    const ssize_t copied = readOwnMemory(address, destination, size);
    if (copied == static_cast<ssize_t>(size)) {
        return true;
    }
    const bool unavailable = copied < 0 && (errno == ENOSYS || errno == EPERM);
    return unavailable && size <= 4096 && readThroughPipe(address, destination, size);
}
