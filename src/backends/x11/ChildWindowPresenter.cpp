#include "backends/x11/ChildWindowPresenter.h"

void ChildWindowPresenter::show(const Pixels::PixelView& primary,
                                std::span<const Pixels::PixelRect> areas) {
    const PixelBufferDesc picture{primary.format.bitsPerPixel, primary.pitch, primary.width,
                                  primary.height, primary.pixels};
    window_.paint(picture, areas);
}
