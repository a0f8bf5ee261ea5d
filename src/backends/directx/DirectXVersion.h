#pragma once

#include <cstdint>
#include <string>

namespace DDraw {

// Which DirectX release is installed, for the error report: major x 256 + minor, found by
// asking for each release's interfaces from the oldest on; 0 with the reason when even
// DirectDraw cannot be started. Never raises.
struct DirectXVersion {
    int32_t version = 0;
    std::string reason;
};

DirectXVersion detectDirectXVersion();

} // namespace DDraw
