#pragma once

#include <cstdint>
#include <string>

// Upper-case hexadecimal, zero-filled to the given number of digits (more when the value needs
// them), the way every figure of the diagnostic texts is written.
inline std::string hexText(uint64_t value, int digits) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), hexDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return text;
}

// Digits of an address or of one of the machine's words: 8 on 32-bit Windows, as the report was
// laid out for, and 16 on a 64-bit system.
constexpr int wordDigits = 2 * sizeof(uintptr_t);

inline std::string hexWord(uintptr_t value) {
    return hexText(value, wordDigits);
}
