#pragma once

#include <cstdint>
#include <functional>
#include <windows.h>

namespace User32 {

// The preview's child window, over the whole client area of another program's window (the
// screen-saver settings' preview area). It never erases itself, paints through the given
// function, and goes with its parent.
class PreviewChildWindow {
public:
    using Painter = std::function<void(HDC context)>;

    // Raises std::runtime_error when the window cannot be made.
    explicit PreviewChildWindow(HWND parent);
    ~PreviewChildWindow();
    PreviewChildWindow(const PreviewChildWindow&) = delete;
    PreviewChildWindow& operator=(const PreviewChildWindow&) = delete;

    HWND handle() const { return window_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    void setPainter(Painter painter) { painter_ = std::move(painter); }

    // Sleeps until a message comes or the time is up, and dispatches what came.
    void waitForEvents(uint32_t milliseconds);
    // Asked to close (WM_CLOSE), or the window ended with its parent.
    bool closeRequested() const { return closeRequested_; }
    bool destroyed() const { return window_ == nullptr; }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND parent_;
    HWND window_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
    Painter painter_;
    bool closeRequested_ = false;
};

} // namespace User32
