#include "errors/MemoryStatus.h"

#include <gtest/gtest.h>

TEST(MemoryStatusTest, MemoryTextGivesAvailableAndTotalMebibytes) {
    MemoryStatus status;
    status.availablePhysical = (uint64_t{1536} << 20) + 1023;
    status.totalPhysical = uint64_t{16} << 30;
    EXPECT_EQ(memoryText(status), "1536M/16384M");
}

TEST(MemoryStatusTest, SnapshotOfThisMachineIsConsistent) {
    const MemoryStatus status = currentMemoryStatus();
    EXPECT_EQ(status.length, 32u);
    EXPECT_GT(status.totalPhysical, 0u);
    EXPECT_LE(status.availablePhysical, status.totalPhysical);
    EXPECT_LE(status.availablePageFile, status.totalPageFile);
    EXPECT_LT(status.availableVirtual, status.totalVirtual);
}
