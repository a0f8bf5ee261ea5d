#include "backends/user32/settings/StaticPictureControl.h"

#include "images/JpegImage.h"
#include "resources/EmbeddedResources.h"

#include <algorithm>

namespace User32 {

namespace {

Graphics::Bitmap decode(int32_t resourceId) {
    return JPEG::Image::fromMemory(Resources::findResource("RCDATA", resourceId))->bitmap();
}

} // namespace

StaticPictureControl::StaticPictureControl(int32_t resourceId) : picture_(decode(resourceId)) {}

StaticPictureControl& StaticPictureControl::createOver(HWND dialog, int placeholderId,
                                                       int32_t resourceId) {
    return ControlWindow::createOver(new StaticPictureControl(resourceId), dialog, placeholderId,
                                     windowClass, L"", WS_VISIBLE);
}

RECT StaticPictureControl::placement() const {
    const SIZE size = clientSize();
    const double scale = std::min({1.0, static_cast<double>(size.cx) / picture_.width(),
                                   static_cast<double>(size.cy) / picture_.height()});
    const auto width = static_cast<LONG>(picture_.width() * scale);
    const auto height = static_cast<LONG>(picture_.height() * scale);
    const LONG left = (size.cx - width) / 2;
    const LONG top = (size.cy - height) / 2;
    return {left, top, left + width, top + height};
}

void StaticPictureControl::paint(HDC dc) {
    const SIZE size = clientSize();
    const RECT client{0, 0, size.cx, size.cy};
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // The bitmap's rows run from the top down, blue first: a top-down 24-bit DIB.
    BITMAPINFO layout{};
    layout.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    layout.bmiHeader.biWidth = picture_.width();
    layout.bmiHeader.biHeight = -picture_.height();
    layout.bmiHeader.biPlanes = 1;
    layout.bmiHeader.biBitCount = 24;
    layout.bmiHeader.biCompression = BI_RGB;
    const RECT target = placement();
    SetStretchBltMode(dc, HALFTONE);
    StretchDIBits(dc, target.left, target.top, target.right - target.left,
                  target.bottom - target.top, 0, 0, picture_.width(), picture_.height(),
                  picture_.pixels(), &layout, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace User32
