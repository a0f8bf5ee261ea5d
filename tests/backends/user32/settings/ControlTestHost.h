#pragma once

#include <vector>
#include <windows.h>

// A top-level window standing in for a settings page: it holds static placeholders where the
// controls are made and writes down the ids of the WM_COMMAND notifications it gets. Without a
// display there is no window, and get() is null: the test skips then.
class ControlTestHost {
public:
    ControlTestHost() {
        WNDCLASSEXW description{};
        description.cbSize = sizeof(description);
        description.lpfnWndProc = procedure;
        description.hInstance = GetModuleHandleW(nullptr);
        description.lpszClassName = L"Pluvo controls test host";
        RegisterClassExW(&description);
        window_ = CreateWindowExW(WS_EX_CONTROLPARENT, description.lpszClassName, L"",
                                  WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr, nullptr,
                                  nullptr);
        if (window_ != nullptr) {
            SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
    }
    ~ControlTestHost() { destroy(); }
    ControlTestHost(const ControlTestHost&) = delete;
    ControlTestHost& operator=(const ControlTestHost&) = delete;

    HWND get() const { return window_; }
    HWND addPlaceholder(int id, int x, int y, int width, int height) const {
        return CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, x, y, width, height,
                               window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                               nullptr);
    }
    void destroy() {
        if (window_ != nullptr && IsWindow(window_)) {
            DestroyWindow(window_);
        }
        window_ = nullptr;
    }

    std::vector<int> commands;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* host = reinterpret_cast<ControlTestHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_COMMAND && host != nullptr) {
            host->commands.push_back(LOWORD(wParam));
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_;
};

// The colour of a pixel of a control as it paints itself, drawn into a bitmap of its own.
inline COLORREF paintedPixel(HWND control, int x, int y) {
    RECT client{};
    GetClientRect(control, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    const COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// Mouse messages carry client coordinates, negative ones too once the mouse is captured.
inline LPARAM at(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}
