#include "backends/user32/PreviewChildWindow.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace User32 {

namespace {

constexpr const wchar_t* windowClassName = L"PluvoPreviewWindowClass";

void registerWindowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = windowClassName;
        return RegisterClassW(&windowClass);
    }();
    if (atom == 0) {
        throw std::runtime_error("the preview's window class could not be registered");
    }
}

} // namespace

PreviewChildWindow::PreviewChildWindow(HWND parent) : parent_(parent) {
    RECT client{};
    GetClientRect(parent, &client);
    width_ = std::max<int32_t>(client.right - client.left, 1);
    height_ = std::max<int32_t>(client.bottom - client.top, 1);
    registerWindowClass(windowProcedure);
    window_ =
        CreateWindowExW(0, windowClassName, L"", WS_CHILD | WS_VISIBLE, client.left, client.top,
                        width_, height_, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("the preview's window could not be created: GetLastError() = " +
                                 std::to_string(GetLastError()));
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PreviewChildWindow::~PreviewChildWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK PreviewChildWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
    auto* preview = reinterpret_cast<PreviewChildWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (preview == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return preview->handleMessage(window, message, wParam, lParam);
}

LRESULT PreviewChildWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        closeRequested_ = true;
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const HDC context = BeginPaint(window, &paint);
        if (painter_) {
            painter_(context);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        window_ = nullptr;
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The wait ends when the next frame is due or a message comes, and every message that came is
// handled. A window timer would not do: under Wine the timer of a child window inside another
// process's window never fires. A parent of another process that goes does not always take its
// child along (under Wine it does not), so the parent is asked after too.
void PreviewChildWindow::waitForEvents(uint32_t milliseconds) {
    if (window_ != nullptr && !IsWindow(parent_)) {
        DestroyWindow(window_);
    }
    if (window_ == nullptr) {
        return;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            closeRequested_ = true;
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace User32
