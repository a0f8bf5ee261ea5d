#include "backends/gdi/DesktopCapture.h"

#include "backends/gdi/DibInfo.h"

#include <windows.h>

namespace Gdi {

namespace {

class ScreenContext {
public:
    ScreenContext() : window_(GetDesktopWindow()), context_(GetDC(window_)) {}
    ~ScreenContext() { ReleaseDC(window_, context_); }
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;
    HDC get() const { return context_; }

private:
    HWND window_;
    HDC context_;
};

} // namespace

std::optional<Graphics::Bitmap> captureDesktop() {
    return captureScreenCorner(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

std::optional<Graphics::Bitmap> captureScreenCorner(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const ScreenContext screen;
    const HDC memory = CreateCompatibleDC(screen.get());
    const HBITMAP copy = CreateCompatibleBitmap(screen.get(), width, height);
    const HGDIOBJ previous = SelectObject(memory, copy);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen.get(), 0, 0, SRCCOPY) != 0;
    SelectObject(memory, previous);
    std::optional<Graphics::Bitmap> picture;
    if (copied) {
        picture.emplace(width, height);
        // 24 bits from the top down: the rows of a Graphics::Bitmap, padding included.
        DibInfo info(Pixels::PixelFormat::rgb888(), width, height);
        if (GetDIBits(memory, copy, 0, static_cast<UINT>(height), picture->pixels(), info.info(),
                      DIB_RGB_COLORS) != height) {
            picture.reset();
        }
    }
    DeleteObject(copy);
    DeleteDC(memory);
    return picture;
}

} // namespace Gdi
