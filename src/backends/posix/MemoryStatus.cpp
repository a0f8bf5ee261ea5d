#include "backends/posix/MemoryStatus.h"

#include <charconv>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/sysinfo.h>
#include <unistd.h>

namespace Posix {
namespace {

// The user half of the x86-64 address space with four-level page tables.
constexpr uint64_t userAddressSpace = uint64_t{1} << 47;

// Read with plain system calls into the caller's buffer: the snapshot is also taken when the
// program has run out of memory.
std::string_view readSmallFile(const char* path, char* buffer, std::size_t capacity) {
    const int file = open(path, O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return {};
    }
    std::size_t size = 0;
    while (size < capacity) {
        const ssize_t count = read(file, buffer + size, capacity - size);
        if (count <= 0) {
            break;
        }
        size += static_cast<std::size_t>(count);
    }
    close(file);
    return {buffer, size};
}

std::optional<uint64_t> firstNumber(std::string_view text) {
    const std::size_t start = text.find_first_of("0123456789");
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    uint64_t value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    static_cast<void>(end);
    if (error != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

// A line "Name:   12345 kB", in bytes.
std::optional<uint64_t> meminfoBytes(std::string_view meminfo, std::string_view name) {
    std::size_t lineStart = 0;
    while (lineStart < meminfo.size()) {
        std::size_t lineEnd = meminfo.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) {
            lineEnd = meminfo.size();
        }
        const std::string_view line = meminfo.substr(lineStart, lineEnd - lineStart);
        if (line.size() > name.size() && line.starts_with(name) && line[name.size()] == ':') {
            const std::optional<uint64_t> kibibytes = firstNumber(line.substr(name.size() + 1));
            if (kibibytes) {
                return *kibibytes * 1024;
            }
            return std::nullopt;
        }
        lineStart = lineEnd + 1;
    }
    return std::nullopt;
}

uint32_t loadPercent(uint64_t total, uint64_t available) {
    if (total == 0 || available >= total) {
        return 0;
    }
    return static_cast<uint32_t>((total - available) * 100 / total);
}

MemoryStatus memoryStatusFromSysinfo() {
    MemoryStatus status;
    struct sysinfo system {};
    if (sysinfo(&system) != 0) {
        return status;
    }
    const uint64_t unit = system.mem_unit != 0 ? system.mem_unit : 1;
    status.totalPhysical = uint64_t{system.totalram} * unit;
    status.availablePhysical = (uint64_t{system.freeram} + system.bufferram) * unit;
    if (status.availablePhysical > status.totalPhysical) {
        status.availablePhysical = status.totalPhysical;
    }
    status.totalPageFile = uint64_t{system.totalswap} * unit;
    status.availablePageFile = uint64_t{system.freeswap} * unit;
    status.memoryLoad = loadPercent(status.totalPhysical, status.availablePhysical);
    return status;
}

uint64_t addressSpaceLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        limit.rlim_cur < userAddressSpace) {
        return limit.rlim_cur;
    }
    return userAddressSpace;
}

// The first figure of /proc/self/statm: pages mapped by this process.
uint64_t mappedBytes() {
    char buffer[256];
    const std::optional<uint64_t> pages =
        firstNumber(readSmallFile("/proc/self/statm", buffer, sizeof buffer));
    const long pageSize = sysconf(_SC_PAGESIZE);
    return pages && pageSize > 0 ? *pages * static_cast<uint64_t>(pageSize) : 0;
}

void addAddressSpace(MemoryStatus& status) {
    status.totalVirtual = addressSpaceLimit();
    const uint64_t mapped = mappedBytes();
    status.availableVirtual = status.totalVirtual > mapped ? status.totalVirtual - mapped : 0;
}

} // namespace

MemoryStatus memoryStatusFromMeminfo(std::string_view meminfo) {
    MemoryStatus status;
    status.totalPhysical = meminfoBytes(meminfo, "MemTotal").value_or(0);
    // Kernels before 3.14 have no estimate of available memory; free memory and the caches
    // that could be dropped are the nearest figure.
    const std::optional<uint64_t> available = meminfoBytes(meminfo, "MemAvailable");
    status.availablePhysical = available ? *available
                                         : meminfoBytes(meminfo, "MemFree").value_or(0) +
                                               meminfoBytes(meminfo, "Buffers").value_or(0) +
                                               meminfoBytes(meminfo, "Cached").value_or(0);
    if (status.availablePhysical > status.totalPhysical) {
        status.availablePhysical = status.totalPhysical;
    }
    status.totalPageFile = meminfoBytes(meminfo, "SwapTotal").value_or(0);
    status.availablePageFile = meminfoBytes(meminfo, "SwapFree").value_or(0);
    status.memoryLoad = loadPercent(status.totalPhysical, status.availablePhysical);
    return status;
}

} // namespace Posix

MemoryStatus currentMemoryStatus() {
    char buffer[8192];
    const std::string_view meminfo = Posix::readSmallFile("/proc/meminfo", buffer, sizeof buffer);
    MemoryStatus status = Posix::meminfoBytes(meminfo, "MemTotal")
                              ? Posix::memoryStatusFromMeminfo(meminfo)
                              : Posix::memoryStatusFromSysinfo();
    Posix::addAddressSpace(status);
    return status;
}
