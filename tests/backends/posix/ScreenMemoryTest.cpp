#include "platform/ScreenMemory.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr std::size_t largePage = std::size_t{2} << 20;

// The mapping of /proc/self/smaps that starts at address, as its lines.
std::vector<std::string> mappingAt(const void* address) {
    std::ifstream smaps("/proc/self/smaps");
    std::vector<std::string> lines;
    const auto start = reinterpret_cast<uintptr_t>(address);
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        const std::size_t dash = line.find('-');
        const bool header = dash != std::string::npos && line.find(' ') > dash &&
                            line.find_first_not_of("0123456789abcdef") == dash;
        if (header) {
            inside = std::stoull(line.substr(0, dash), nullptr, 16) == start;
        }
        if (inside) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(ScreenMemoryTest, AScreenSizedBlockStartsOnALargePageAndIsAdvisedToUseThem) {
    const std::size_t bytes = 1920 * 1080 * 4 + 12;
    auto* memory = static_cast<uint8_t*>(Platform::allocateScreenMemory(bytes));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(memory) % largePage, 0u);
    // Every byte is there to be written and read back.
    std::memset(memory, 0xA5, bytes);
    EXPECT_EQ(memory[0], 0xA5);
    EXPECT_EQ(memory[bytes - 1], 0xA5);
    const std::vector<std::string> mapping = mappingAt(memory);
    ASSERT_FALSE(mapping.empty());
    bool advised = false;
    for (const std::string& line : mapping) {
        if (line.rfind("VmFlags:", 0) == 0) {
            advised = line.find(" hg") != std::string::npos;
        }
    }
    // A kernel built without large pages takes no such advice.
    const bool kernelHasThem = std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled").good();
    EXPECT_EQ(advised, kernelHasThem) << mapping.front();
    Platform::releaseScreenMemory(memory, bytes);
    EXPECT_TRUE(mappingAt(memory).empty());
}

TEST(ScreenMemoryTest, ContainersGrowAndShrinkInIt) {
    std::vector<uint32_t, Platform::ScreenAllocator<uint32_t>> pixels;
    for (const std::size_t count : {std::size_t{16}, largePage, 3 * largePage, std::size_t{7}}) {
        pixels.assign(count, 0x01020304u);
        pixels.shrink_to_fit();
        EXPECT_EQ(pixels.size(), count);
        EXPECT_EQ(pixels.back(), 0x01020304u);
    }
}

} // namespace
