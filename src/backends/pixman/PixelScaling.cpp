#include "display/PixelScaling.h"

#include "display/DX5Error.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <pixman.h>
#include <string>

namespace Pixels {

namespace {

struct ImageRelease {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, ImageRelease>;

struct ParameterRelease {
    void operator()(pixman_fixed_t* parameters) const { std::free(parameters); }
};

// Scale factors below this are treated as no shrinking, where interpolation already looks right.
constexpr double noticeableShrink = 1.0;
// Phases per source pixel in the filter table; finer phases only cost table space.
constexpr int filterSubsampleBits = 4;

struct ChannelLayout {
    PixelFormat format;
    pixman_format_code_t code;
};

constexpr ChannelLayout knownLayouts[] = {
    {{32, 0x00FF0000, 0x0000FF00, 0x000000FF}, PIXMAN_x8r8g8b8},
    {{32, 0x000000FF, 0x0000FF00, 0x00FF0000}, PIXMAN_x8b8g8r8},
    {{24, 0x00FF0000, 0x0000FF00, 0x000000FF}, PIXMAN_r8g8b8},
    {{24, 0x000000FF, 0x0000FF00, 0x00FF0000}, PIXMAN_b8g8r8},
    {{16, 0xF800, 0x07E0, 0x001F}, PIXMAN_r5g6b5},
    {{16, 0x001F, 0x07E0, 0xF800}, PIXMAN_b5g6r5},
    {{16, 0x7C00, 0x03E0, 0x001F}, PIXMAN_x1r5g5b5},
};

pixman_format_code_t pixmanFormatOf(const PixelFormat& format) {
    for (const ChannelLayout& layout : knownLayouts) {
        if (layout.format == format) {
            return layout.code;
        }
    }
    throw DX5::Error("pixels of " + std::to_string(format.bitsPerPixel) +
                     " bits with these channel masks cannot be converted");
}

PixmanImage wrap(const PixelView& view) {
    // pixman wants 32-bit aligned rows; all our pictures pad their rows to 4 bytes.
    pixman_image_t* image =
        pixman_image_create_bits(pixmanFormatOf(view.format), view.width, view.height,
                                 reinterpret_cast<uint32_t*>(view.pixels), view.pitch);
    if (image == nullptr) {
        throw DX5::Error(std::string("the scaler could not take a picture of ") +
                         std::to_string(view.width) + " x " + std::to_string(view.height) +
                         " pixels");
    }
    return PixmanImage(image);
}

void setScale(pixman_image_t* image, double scaleX, double scaleY) {
    pixman_transform_t transform;
    pixman_transform_init_scale(&transform, pixman_double_to_fixed(scaleX),
                                pixman_double_to_fixed(scaleY));
    pixman_image_set_transform(image, &transform);
}

// Bilinear filtering alone skips source pixels when shrinking by more than two; averaging the
// area under each destination pixel keeps thin lines and text of the picture visible.
void setAreaAveragingFilter(pixman_image_t* image, double scaleX, double scaleY) {
    int parameterCount = 0;
    std::unique_ptr<pixman_fixed_t, ParameterRelease> parameters(
        pixman_filter_create_separable_convolution(
            &parameterCount, pixman_double_to_fixed(std::max(scaleX, 1.0)),
            pixman_double_to_fixed(std::max(scaleY, 1.0)), PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_BOX,
            PIXMAN_KERNEL_BOX, PIXMAN_KERNEL_BOX, filterSubsampleBits, filterSubsampleBits));
    if (!parameters || !pixman_image_set_filter(image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION,
                                                parameters.get(), parameterCount)) {
        throw DX5::Error(std::string("the scaler could not build its filter"));
    }
}

} // namespace

void scalePixels(const PixelView& source, const PixelView& destination) {
    // The desktop is usually captured at the size the saver shows it: a plain conversion is
    // many times cheaper than running the filter over every pixel.
    if (source.width == destination.width && source.height == destination.height) {
        convertPixels(source, 0, 0, destination, 0, 0, source.width, source.height);
        return;
    }
    PixmanImage from = wrap(source);
    PixmanImage to = wrap(destination);
    const double scaleX = static_cast<double>(source.width) / destination.width;
    const double scaleY = static_cast<double>(source.height) / destination.height;
    setScale(from.get(), scaleX, scaleY);
    if (scaleX > noticeableShrink || scaleY > noticeableShrink) {
        setAreaAveragingFilter(from.get(), scaleX, scaleY);
    } else {
        pixman_image_set_filter(from.get(), PIXMAN_FILTER_BILINEAR, nullptr, 0);
    }
    // The edge pixels continue outwards, so the borders are not blended with transparent black.
    pixman_image_set_repeat(from.get(), PIXMAN_REPEAT_PAD);
    pixman_image_composite32(PIXMAN_OP_SRC, from.get(), nullptr, to.get(), 0, 0, 0, 0, 0, 0,
                             destination.width, destination.height);
}

void convertPixels(const PixelView& source, int32_t sourceX, int32_t sourceY,
                   const PixelView& destination, int32_t targetX, int32_t targetY, int32_t width,
                   int32_t height) {
    PixmanImage from = wrap(source);
    PixmanImage to = wrap(destination);
    pixman_image_composite32(PIXMAN_OP_SRC, from.get(), nullptr, to.get(), sourceX, sourceY, 0, 0,
                             targetX, targetY, width, height);
}

} // namespace Pixels
