#pragma once

#include "errors/SafeMemory.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The machine's word, in which the report writes addresses and stack words.
constexpr std::size_t wordBytes = sizeof(uintptr_t);
constexpr std::size_t wordDigits = 2 * wordBytes;

// Formatting written independently of the code under test, to build expected texts.
inline std::string hexWordText(uintptr_t value) {
    char text[2 * sizeof(uintptr_t) + 1];
    std::snprintf(text, sizeof text, "%0*" PRIXPTR, static_cast<int>(wordDigits), value);
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
inline std::vector<uintptr_t> returnAddresses(const std::string& callStack) {
    std::vector<uintptr_t> addresses;
    for (const std::string& line : reportLines(callStack)) {
        if (line.rfind("->", 0) == 0) {
            addresses.push_back(
                static_cast<uintptr_t>(std::stoull(line.substr(2, wordDigits), nullptr, 16)));
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
        const auto wordsAddress =
            static_cast<uintptr_t>(std::stoull(lines[i - 2].substr(0, wordDigits), nullptr, 16));
        const auto returnAddress =
            static_cast<uintptr_t>(std::stoull(lines[i].substr(2, wordDigits), nullptr, 16));
        if (frames++ >= firstFrame && readWord(wordsAddress - wordBytes) != returnAddress) {
            return false;
        }
    }
    return frames > firstFrame;
}
