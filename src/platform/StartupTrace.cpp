#include "platform/StartupTrace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace StartupTrace {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point& startTime() {
    static Clock::time_point start = Clock::now();
    return start;
}

bool readSwitch() {
    const char* value = std::getenv("PLUVO_TRACE");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

} // namespace

void begin() {
    startTime();
}

bool enabled() {
    static const bool on = readSwitch();
    return on;
}

double elapsedMilliseconds() {
    return std::chrono::duration<double, std::milli>(Clock::now() - startTime()).count();
}

namespace {

// Resident and peak resident memory in MB, from the kernel's view of this process.
void readMemory(double& resident, double& peak) {
    resident = 0;
    peak = 0;
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return;
    }
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        long kilobytes = 0;
        if (std::sscanf(line, "VmRSS: %ld kB", &kilobytes) == 1) {
            resident = static_cast<double>(kilobytes) / 1024.0;
        } else if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) {
            peak = static_cast<double>(kilobytes) / 1024.0;
        }
    }
    std::fclose(status);
}

} // namespace

void note(const char* what) {
    if (!enabled()) {
        return;
    }
    double resident = 0;
    double peak = 0;
    readMemory(resident, peak);
    std::fprintf(stderr, "pluvo: %s after %.1f ms (resident %.1f MB, peak %.1f MB)\n", what,
                 elapsedMilliseconds(), resident, peak);
}

} // namespace StartupTrace
