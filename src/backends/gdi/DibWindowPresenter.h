#pragma once

#include "backends/gdi/DibInfo.h"
#include "display/IScreenPresenter.h"
#include "display/MemoryFrontBuffer.h"

#include <cstdint>
#include <windows.h>

namespace Gdi {

// Paints a small window from a 24-bit picture in memory, the whole picture at 1:1 with each
// present: one StretchDIBits of a preview's few pixels costs less than sorting out the parts
// that changed.
class DibWindowPresenter final : public Pixels::IScreenPresenter {
public:
    // At the window's size.
    DibWindowPresenter(HWND window, int32_t width, int32_t height);

    Pixels::PixelView frontBuffer() override { return memory_.view(); }
    void show(std::span<const Pixels::PixelRect> areas) override;
    void recreate() override {}

    // Paints the whole picture onto a context of the window, as WM_PAINT gives it.
    void paint(HDC context);

private:
    HWND window_;
    int32_t width_;
    int32_t height_;
    Pixels::MemoryFrontBuffer memory_;
    DibInfo header_;
};

} // namespace Gdi
