#include "backends/x11/ChildWindowPresenter.h"

namespace X11 {

ChildWindowPresenter::ChildWindowPresenter(X11ChildWindow& window)
    : window_(window), memory_(window.width(), window.height(), Pixels::PixelFormat::rgb888()) {}

void ChildWindowPresenter::show(std::span<const Pixels::PixelRect> areas) {
    const Pixels::PixelView picture = memory_.view();
    window_.paint(
        {picture.format.bitsPerPixel, picture.pitch, picture.width, picture.height, picture.pixels},
        areas);
}

} // namespace X11
