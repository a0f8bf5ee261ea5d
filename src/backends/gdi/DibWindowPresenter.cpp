#include "backends/gdi/DibWindowPresenter.h"

namespace Gdi {

DibWindowPresenter::DibWindowPresenter(HWND window, int32_t width, int32_t height)
    : window_(window), width_(width), height_(height),
      memory_(width, height, Pixels::PixelFormat::rgb888()),
      header_(Pixels::PixelFormat::rgb888(), width, height) {}

void DibWindowPresenter::show(std::span<const Pixels::PixelRect> areas) {
    if (areas.empty()) {
        return;
    }
    const HDC context = GetDC(window_);
    paint(context);
    ReleaseDC(window_, context);
}

void DibWindowPresenter::paint(HDC context) {
    StretchDIBits(context, 0, 0, width_, height_, 0, 0, width_, height_, memory_.view().pixels,
                  header_.info(), DIB_RGB_COLORS, SRCCOPY);
}

} // namespace Gdi
