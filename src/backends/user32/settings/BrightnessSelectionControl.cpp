#include "backends/user32/settings/BrightnessSelectionControl.h"

#include <algorithm>
#include <windowsx.h>

namespace User32 {

namespace {

constexpr int markerSize = 16;
constexpr int markerBand = 9;

// Draws into a bitmap of the window's size and copies it at once, so that a drag does not
// flicker.
class BufferedPainting {
public:
    BufferedPainting(HDC target, SIZE size)
        : target_(target), size_(size), dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, size.cx, size.cy)),
          oldBitmap_(SelectObject(dc_, bitmap_)) {}
    ~BufferedPainting() {
        BitBlt(target_, 0, 0, size_.cx, size_.cy, dc_, 0, 0, SRCCOPY);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    BufferedPainting(const BufferedPainting&) = delete;
    BufferedPainting& operator=(const BufferedPainting&) = delete;

    HDC dc() const { return dc_; }

private:
    HDC target_;
    SIZE size_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
};

} // namespace

BrightnessSelectionControl::BrightnessSelectionControl()
    : marker_(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(markerIcon),
                                            IMAGE_ICON, markerSize, markerSize, LR_DEFAULTCOLOR))) {
}

BrightnessSelectionControl::~BrightnessSelectionControl() {
    if (marker_ != nullptr) {
        DestroyIcon(marker_);
    }
}

BrightnessSelectionControl& BrightnessSelectionControl::createOver(HWND dialog, int placeholderId) {
    return ControlWindow::createOver(new BrightnessSelectionControl, dialog, placeholderId,
                                     windowClass, L"", WS_VISIBLE | WS_TABSTOP);
}

void BrightnessSelectionControl::setValue(uint8_t value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    repaint();
    notifyParent();
}

// Half the marker is left free at either end, so that it fits at 0 and 255 too.
RECT BrightnessSelectionControl::gradientArea() const {
    const SIZE size = clientSize();
    return {markerSize / 2, 0, size.cx - markerSize / 2, size.cy - markerBand};
}

uint8_t BrightnessSelectionControl::valueAt(int x) const {
    const RECT area = gradientArea();
    const int width = std::max<int>(1, area.right - area.left);
    const int value = static_cast<int>(255.0 * (x - area.left) / width + 0.5);
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

void BrightnessSelectionControl::paint(HDC target) {
    const SIZE size = clientSize();
    const BufferedPainting buffer(target, size);
    const RECT client{0, 0, size.cx, size.cy};
    FillRect(buffer.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    const RECT area = gradientArea();
    drawGradient(buffer.dc(), area);
    drawMarker(buffer.dc(), area);
    if (GetFocus() == window()) {
        DrawFocusRect(buffer.dc(), &client);
    }
}

void BrightnessSelectionControl::drawGradient(HDC dc, const RECT& area) const {
    const int width = area.right - area.left;
    for (int column = 0; column < width; ++column) {
        const auto grey = static_cast<BYTE>(255.0 * column / width + 0.5);
        const RECT line{area.left + column, area.top, area.left + column + 1, area.bottom};
        SetDCBrushColor(dc, RGB(grey, grey, grey));
        FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    const RECT frame{area.left - 1, area.top - 1, area.right + 1, area.bottom + 1};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// The marker hangs in the band under the strip, centred on the chosen column.
void BrightnessSelectionControl::drawMarker(HDC dc, const RECT& area) const {
    const int centre = area.left + (area.right - area.left) * value_ / 255;
    const int top = area.bottom;
    if (marker_ != nullptr) {
        DrawIconEx(dc, centre - markerSize / 2, top, marker_, markerSize, markerSize, 0, nullptr,
                   DI_NORMAL);
        return;
    }
    // Without the icon, a triangle pointing up at the column.
    const POINT shape[] = {{centre, top},
                           {centre - markerSize / 2 + 2, top + markerBand - 1},
                           {centre + markerSize / 2 - 2, top + markerBand - 1}};
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_WINDOWTEXT));
    Polygon(dc, shape, 3);
    SelectObject(dc, oldBrush);
}

void BrightnessSelectionControl::startTracking() {
    SetFocus(window());
    SetCapture(window());
    tracking_ = true;
}

void BrightnessSelectionControl::endTracking() {
    tracking_ = false;
    if (GetCapture() == window()) {
        ReleaseCapture();
    }
}

bool BrightnessSelectionControl::stepByKey(WPARAM key) {
    if (key == VK_LEFT && value_ > 0) {
        setValue(static_cast<uint8_t>(value_ - 1));
    } else if (key == VK_RIGHT && value_ < 255) {
        setValue(static_cast<uint8_t>(value_ + 1));
    }
    return key == VK_LEFT || key == VK_RIGHT;
}

LRESULT BrightnessSelectionControl::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        startTracking();
        return 0;
    case WM_MOUSEMOVE:
        if (tracking_) {
            setValue(valueAt(GET_X_LPARAM(lParam)));
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        endTracking();
        return 0;
    case WM_GETDLGCODE:
        // While tracking, Esc is the control's and must not cancel the dialog.
        return tracking_ ? DLGC_WANTALLKEYS : DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && tracking_) {
            endTracking();
            return 0;
        }
        if (stepByKey(wParam)) {
            return 0;
        }
        break;
    default:
        break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

} // namespace User32
