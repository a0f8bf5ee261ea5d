#pragma once

#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// Byte-level helpers for looking at what the streams wrote.

inline std::vector<uint8_t> bytesOf(const std::stringstream& stream) {
    const std::string text = stream.str();
    return {text.begin(), text.end()};
}

inline std::string textOf(const std::vector<uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

inline void append(std::vector<uint8_t>& bytes, std::initializer_list<uint8_t> more) {
    bytes.insert(bytes.end(), more);
}

inline void appendUInt32(std::vector<uint8_t>& bytes, uint32_t value) {
    append(bytes, {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                   static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)});
}

inline void appendMarker(std::vector<uint8_t>& bytes) {
    append(bytes, {'P', 'O', 'B', 'J'});
}
