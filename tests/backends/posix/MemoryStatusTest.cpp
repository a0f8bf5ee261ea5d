#include "backends/posix/MemoryStatus.h"

#include <gtest/gtest.h>

TEST(MemoryStatusTest, ReadsPhysicalMemoryAndSwapFromMeminfo) {
    const MemoryStatus status = Posix::memoryStatusFromMeminfo("MemTotal:        8000000 kB\n"
                                                               "MemFree:          100000 kB\n"
                                                               "MemAvailable:    2000000 kB\n"
                                                               "SwapCached:            0 kB\n"
                                                               "SwapTotal:       1000000 kB\n"
                                                               "SwapFree:         250000 kB\n");
    EXPECT_EQ(status.totalPhysical, uint64_t{8000000} * 1024);
    EXPECT_EQ(status.availablePhysical, uint64_t{2000000} * 1024);
    EXPECT_EQ(status.memoryLoad, 75u);
    EXPECT_EQ(status.totalPageFile, uint64_t{1000000} * 1024);
    EXPECT_EQ(status.availablePageFile, uint64_t{250000} * 1024);

    // Kernels without MemAvailable: free memory and the caches count as available.
    EXPECT_EQ(Posix::memoryStatusFromMeminfo("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\n"
                                             "Cached: 250 kB\n")
                  .availablePhysical,
              uint64_t{400} * 1024);
}
