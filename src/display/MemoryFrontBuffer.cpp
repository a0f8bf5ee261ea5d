#include "display/MemoryFrontBuffer.h"

#include "display/PixelSurface.h"

namespace Pixels {

MemoryFrontBuffer::MemoryFrontBuffer(int32_t width, int32_t height, PixelFormat format)
    : width_(width), height_(height), format_(format),
      pitch_(PixelSurface::pitchFor(width, height, format)),
      pixels_(static_cast<std::size_t>(pitch_) * static_cast<std::size_t>(height)) {}

} // namespace Pixels
