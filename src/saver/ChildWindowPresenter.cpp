#include "saver/ChildWindowPresenter.h"

void ChildWindowPresenter::show(const DDraw::PixelView& primary,
                                std::span<const DDraw::PixelRect> areas) {
    const PixelBufferDesc picture{primary.format.bitsPerPixel, primary.pitch, primary.width,
                                  primary.height, primary.pixels};
    window_.paint(picture, areas);
}
