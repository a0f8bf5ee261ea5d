#include "options/Configuration.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The value a new user's settings are stored as, byte for byte as the Linux build has always
// written it. Both systems must write exactly these bytes, so that a stored value means the same
// wherever it was written.
const char* const defaultValueHex =
    "00050000000700001900000078000000e4cb1640040000000300000001000200000000000000000000000000"
    "000000000000000000000000000000000000000000001e0000000101ffffff00010000000500000008000000"
    "01cdcc4c3fcdcc4c3f0160ffffff00504f424a000ca8b1857e4c904b8324abb9e678d1a41100000000010000"
    "64000000780000000000000000504f424a00de366a951351a74abeae2358b055c9a30e000000000100000108"
    "0000000000000000504f424a000d62833a9d37b8478701639a3f822d25100000000001000000000000000000"
    "0000000000";

std::string hexOf(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text += digits[value >> 4];
        text += digits[value & 15];
    }
    return text;
}

} // namespace

TEST(DefaultValueTest, ANewUsersSettingsAreStoredAsTheSameBytesOnEverySystem) {
    ScreenSaverOptionsStorage defaults;
    const std::string value = Configuration::valueOf(defaults);
    EXPECT_EQ(value.size(), 225u);
    EXPECT_EQ(hexOf(value), defaultValueHex);
}
