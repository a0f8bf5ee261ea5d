#pragma once

#include "display/PixelFormat.h"
#include "display/PixelView.h"

#include <cstdint>
#include <vector>

namespace Pixels {

// A front buffer in memory, for a screen whose own pixels the program cannot draw into: a
// window of another program, a texture, a widget. Rows are padded to a multiple of 4 bytes.
class MemoryFrontBuffer {
public:
    MemoryFrontBuffer(int32_t width, int32_t height, PixelFormat format);

    PixelView view() { return {pixels_.data(), width_, height_, pitch_, format_}; }

private:
    int32_t width_;
    int32_t height_;
    PixelFormat format_;
    int32_t pitch_;
    std::vector<uint8_t> pixels_;
};

} // namespace Pixels
