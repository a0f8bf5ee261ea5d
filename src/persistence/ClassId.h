#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Persistence {

// A class identifier in the usual GUID memory layout: a 32-bit, two 16-bit fields (all
// little-endian), then 8 bytes.
using ClassId = std::array<uint8_t, 16>;

// Builds the identifier of {data1-data2-data3-d4d4-d4d4d4d4d4d4}.
constexpr ClassId makeClassId(uint32_t data1, uint16_t data2, uint16_t data3,
                              std::array<uint8_t, 8> data4) {
    return ClassId{static_cast<uint8_t>(data1),
                   static_cast<uint8_t>(data1 >> 8),
                   static_cast<uint8_t>(data1 >> 16),
                   static_cast<uint8_t>(data1 >> 24),
                   static_cast<uint8_t>(data2),
                   static_cast<uint8_t>(data2 >> 8),
                   static_cast<uint8_t>(data3),
                   static_cast<uint8_t>(data3 >> 8),
                   data4[0],
                   data4[1],
                   data4[2],
                   data4[3],
                   data4[4],
                   data4[5],
                   data4[6],
                   data4[7]};
}

// The registry form: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, upper case.
std::string registryForm(const ClassId& id);

} // namespace Persistence
