#pragma once

#include <cstdint>

// The result codes the scene tells apart. Our layer raises them where the design's device would
// have returned them, so that callers keep one way of handling a lost or busy surface.
namespace DX5 {

inline constexpr int32_t DD_OK = 0;
inline constexpr int32_t DDERR_SURFACEBUSY = static_cast<int32_t>(0x887600AEu);
inline constexpr int32_t DDERR_SURFACELOST = static_cast<int32_t>(0x887601C2u);
inline constexpr int32_t DDERR_WASSTILLDRAWING = static_cast<int32_t>(0x8876021Cu);

} // namespace DX5
