#pragma once

#include "images/Bitmap.h"

#include <cstdint>

namespace Graphics {

// A picture loaded for use as the background; it owns its pixels.
class IImage {
public:
    virtual ~IImage() = default;
    virtual int32_t width() const = 0;
    virtual int32_t height() const = 0;
    virtual const Bitmap& bitmap() const = 0;
};

} // namespace Graphics
