#include "backends/user32/settings/ControlWindow.h"

#include "backends/user32/settings/PlaceholderWindow.h"

namespace User32 {

namespace {

void registerClass(const wchar_t* windowClass, LPCWSTR cursor, WNDPROC procedure) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof(description);
    description.style = CS_HREDRAW | CS_VREDRAW;
    description.lpfnWndProc = procedure;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, cursor);
    description.lpszClassName = windowClass;
    // A second registration fails harmlessly: the class is the same.
    RegisterClassExW(&description);
}

} // namespace

void ControlWindow::makeWindow(HWND dialog, int placeholderId, const wchar_t* windowClass,
                               const wchar_t* title, DWORD style, LPCWSTR cursor) {
    registerClass(windowClass, cursor, procedure);
    try {
        PlaceholderWindow::replace(dialog, placeholderId, windowClass, title, style, this);
    } catch (...) {
        delete this;
        throw;
    }
    ownedByWindow_ = true;
}

LRESULT CALLBACK ControlWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control =
            static_cast<ControlWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        control->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    auto* control = reinterpret_cast<ControlWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (control == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        control->window_ = nullptr;
        if (control->ownedByWindow_) {
            delete control;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return control->dispatch(message, wParam, lParam);
}

LRESULT ControlWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paintRequested();
        return 0;
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        // paint() covers every pixel; erasing first would only flicker.
        return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        repaint();
        return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        return handle(message, wParam, lParam);
    }
}

LRESULT ControlWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
}

void ControlWindow::paintRequested() {
    PAINTSTRUCT painting{};
    HDC dc = BeginPaint(window_, &painting);
    paint(dc);
    EndPaint(window_, &painting);
}

void ControlWindow::notifyParent() const {
    const auto id = static_cast<WORD>(GetDlgCtrlID(window_));
    SendMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(id, 0),
                 reinterpret_cast<LPARAM>(window_));
}

void ControlWindow::repaint() const {
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

SIZE ControlWindow::clientSize() const {
    RECT client{};
    GetClientRect(window_, &client);
    return {client.right, client.bottom};
}

} // namespace User32
