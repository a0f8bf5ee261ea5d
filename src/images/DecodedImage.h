#pragma once

#include "images/Bitmap.h"
#include "images/IImage.h"

#include <cstdint>
#include <utility>

namespace Graphics {

// A picture that holds its decoded pixels, whatever file format they came from.
class DecodedImage : public IImage {
public:
    explicit DecodedImage(Bitmap pixels) : pixels_(std::move(pixels)) {}

    int32_t width() const override { return pixels_.width(); }
    int32_t height() const override { return pixels_.height(); }
    const Bitmap& bitmap() const override { return pixels_; }

private:
    Bitmap pixels_;
};

} // namespace Graphics
