#pragma once

#include "errors/SafeMemory.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Formatting written independently of the code under test, to build expected texts.
inline std::string hex16(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIX64, value);
    return text;
}

inline std::vector<std::string> reportLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// The return addresses of the "->" lines, in order.
inline std::vector<uint64_t> returnAddresses(const std::string& callStack) {
    std::vector<uint64_t> addresses;
    for (const std::string& line : reportLines(callStack)) {
        if (line.rfind("->", 0) == 0) {
            addresses.push_back(std::stoull(line.substr(2, 16), nullptr, 16));
        }
    }
    return addresses;
}

// In every frame of a live stack the word just below the frame's dumped words is the frame's own
// return address: the dump starts where the call pushed it. Only meaningful while those frames
// are still on the stack, so frames of calls that have since returned can be left out.
inline bool wordsSitAboveTheirReturnAddress(const std::string& callStack,
                                            std::size_t firstFrame = 0) {
    const std::vector<std::string> lines = reportLines(callStack);
    std::size_t frames = 0;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (lines[i].rfind("->", 0) != 0) {
            continue;
        }
        const uint64_t wordsAddress = std::stoull(lines[i - 2].substr(0, 16), nullptr, 16);
        const uint64_t returnAddress = std::stoull(lines[i].substr(2, 16), nullptr, 16);
        if (frames++ >= firstFrame && readWord(wordsAddress - 8) != returnAddress) {
            return false;
        }
    }
    return frames > firstFrame;
}
