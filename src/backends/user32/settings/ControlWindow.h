#pragma once

#include <windows.h>

namespace User32 {

// The base of the controls drawn by the program itself: a window of a class of their own made
// in place of a page's placeholder. Once made, the object belongs to its window and is deleted
// with it.
class ControlWindow {
public:
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    HWND window() const { return window_; }

protected:
    ControlWindow() = default;
    virtual ~ControlWindow() = default;

    // Makes the window of a control created with new over the placeholder and hands the control
    // over to it; the control is deleted when that fails. The class is registered on first use.
    template <typename Control>
    static Control& createOver(Control* control, HWND dialog, int placeholderId,
                               const wchar_t* windowClass, const wchar_t* title, DWORD style,
                               LPCWSTR cursor = IDC_ARROW) {
        control->makeWindow(dialog, placeholderId, windowClass, title, style, cursor);
        return *control;
    }

    // Everything but painting, focus and font handling, which the base does.
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Draws the whole client area, background included, into dc.
    virtual void paint(HDC dc) = 0;

    // Tells the page that the control's value changed: WM_COMMAND with the control's id and
    // notification code 0.
    void notifyParent() const;
    void repaint() const;
    SIZE clientSize() const;

private:
    void makeWindow(HWND dialog, int placeholderId, const wchar_t* windowClass,
                    const wchar_t* title, DWORD style, LPCWSTR cursor);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void paintRequested();

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    bool ownedByWindow_ = false;
};

} // namespace User32
