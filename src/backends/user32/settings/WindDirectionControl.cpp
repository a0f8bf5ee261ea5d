#include "backends/user32/settings/WindDirectionControl.h"

#include <algorithm>
#include <cmath>
#include <windowsx.h>

namespace User32 {

WindDirectionControl& WindDirectionControl::createOver(HWND dialog, int placeholderId) {
    return ControlWindow::createOver(new WindDirectionControl, dialog, placeholderId, windowClass,
                                     L"Wind direction", WS_VISIBLE | WS_TABSTOP, IDC_CROSS);
}

void WindDirectionControl::setAngle(float radians) {
    if (radians == angle_) {
        return;
    }
    angle_ = radians;
    repaint();
    notifyParent();
}

void WindDirectionControl::setLimits(double lowest, double highest) {
    lowest_ = lowest;
    highest_ = highest;
}

POINT WindDirectionControl::pivot() const {
    return {clientSize().cx / 2, 0};
}

float WindDirectionControl::angleAt(POINT position) const {
    const POINT centre = pivot();
    double result = std::numbers::pi / 2;
    if (position.x != centre.x) {
        result = std::atan2(position.y - centre.y, centre.x - position.x);
    }
    // Above the pivot the right half turns to the upper limit and the left half to the lower.
    if (result > highest_ || result < -std::numbers::pi / 2) {
        result = highest_;
    } else if (result < lowest_) {
        result = lowest_;
    }
    return static_cast<float>(result);
}

POINT WindDirectionControl::arrowPoint(double x, double y) const {
    const POINT centre = pivot();
    const double cosine = std::cos(angle_);
    const double sine = std::sin(angle_);
    return {static_cast<LONG>(centre.x - (x * cosine - y * sine)),
            static_cast<LONG>(centre.y + (x * sine + y * cosine))};
}

void WindDirectionControl::paint(HDC dc) {
    const SIZE size = clientSize();
    const RECT client{0, 0, size.cx, size.cy};
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const int longest = std::max<int>(size.cx, size.cy);
    const int radius = static_cast<int>(0.07 * longest);
    const POINT centre = pivot();
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_WINDOWTEXT));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    // The null pen leaves out the right and bottom edges, hence one more there.
    Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    drawArrow(dc, longest);
    if (GetFocus() == window()) {
        DrawFocusRect(dc, &client);
    }
}

void WindDirectionControl::drawArrow(HDC dc, int longest) const {
    const double r = longest / 2;
    const POINT centre = pivot();
    const POINT tip = arrowPoint(r, 0);
    const POINT heads[] = {arrowPoint(0.8 * r, -0.05 * r), arrowPoint(0.8 * r, 0.05 * r)};
    HPEN pen = CreatePen(PS_SOLID, 2, GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, centre.x, centre.y, nullptr);
    LineTo(dc, tip.x, tip.y);
    for (const POINT& head : heads) {
        MoveToEx(dc, tip.x, tip.y, nullptr);
        LineTo(dc, head.x, head.y);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void WindDirectionControl::follow(LPARAM position) {
    setAngle(angleAt({GET_X_LPARAM(position), GET_Y_LPARAM(position)}));
}

void WindDirectionControl::turnBy(double degrees) {
    const double turned = angle_ + degrees * std::numbers::pi / 180;
    setAngle(static_cast<float>(std::clamp(turned, lowest_, highest_)));
}

bool WindDirectionControl::turnByKey(WPARAM key) {
    switch (key) {
    case VK_LEFT:
    case VK_DOWN:
        turnBy(-1);
        return true;
    case VK_RIGHT:
    case VK_UP:
        turnBy(1);
        return true;
    case VK_NEXT:
        turnBy(-10);
        return true;
    case VK_PRIOR:
        turnBy(10);
        return true;
    default:
        return false;
    }
}

LRESULT WindDirectionControl::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetFocus(window());
        follow(lParam);
        SetCapture(window());
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window()) {
            follow(lParam);
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window()) {
            ReleaseCapture();
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (turnByKey(wParam)) {
            return 0;
        }
        break;
    default:
        break;
    }
    return ControlWindow::handle(message, wParam, lParam);
}

} // namespace User32
