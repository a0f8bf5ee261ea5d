#pragma once

#include <windows.h>

// A window of the test's own, gone with the object. Without a display to make windows on (Wine
// without an X server) there is none, and get() is null: the test skips then.
class TestWindow {
public:
    TestWindow(DWORD style, int x, int y, int width, int height, HWND owner = nullptr)
        : window_(CreateWindowExW(0, L"STATIC", L"", style, x, y, width, height, owner, nullptr,
                                  nullptr, nullptr)) {}
    ~TestWindow() {
        if (window_ != nullptr && IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND get() const { return window_; }

private:
    HWND window_;
};
