#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What one run of the snapshot tool renders.
struct SnapshotOptions {
    std::string picture; // PNG or JPEG; empty for the built-in gradient
    std::string output = "rain.png";
    int32_t width = 1280;
    int32_t height = 720;
    int32_t bitsPerPixel = 32;
    uint32_t seed = 1;
    int32_t steps = 600;
    bool bolt = false;
    bool flash = false; // with the bolt
};

// Parses the command line; returns nothing and prints the reason when it is wrong.
std::optional<SnapshotOptions> parseSnapshotOptions(const std::vector<std::string>& arguments);

extern const char* const snapshotUsage;
