#include "images/Bitmap.h"

#include "images/GraphicsError.h"

#include <algorithm>
#include <atomic>
#include <string>

namespace Graphics {

namespace {

std::atomic<std::size_t> largest{Bitmap::maxByteCount};

// In 64 bits, so that an absurd size from a damaged header cannot overflow before it is refused.
uint64_t byteCountFor(int32_t width, int32_t height) {
    const uint64_t pitch = (uint64_t{3} * static_cast<uint64_t>(width) + 3) & ~uint64_t{3};
    return pitch * static_cast<uint64_t>(height);
}

int32_t checkedPitch(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || byteCountFor(width, height) > largest) {
        throw Error("Unsupported image size: " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels");
    }
    return Bitmap::pitchFor(width);
}

} // namespace

Bitmap::Bitmap(int32_t width, int32_t height)
    : width_(width), height_(height), pitch_(checkedPitch(width, height)),
      bytes_(static_cast<std::size_t>(pitch_) * static_cast<std::size_t>(height)) {}

std::size_t Bitmap::largestByteCount() {
    return largest;
}

void Bitmap::setLargestByteCount(std::size_t count) {
    largest = std::min(count, maxByteCount);
}

int32_t Bitmap::pitchFor(int32_t width) {
    return (3 * width + 3) & ~3;
}

} // namespace Graphics
