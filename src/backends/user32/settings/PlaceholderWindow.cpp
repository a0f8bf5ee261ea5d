#include "backends/user32/settings/PlaceholderWindow.h"

#include "backends/win32/WideText.h"
#include "errors/VerboseError.h"

#include <string>

namespace User32::PlaceholderWindow {

namespace {

HWND placeholderOf(HWND dialog, int placeholderId) {
    HWND placeholder = GetDlgItem(dialog, placeholderId);
    if (placeholder == nullptr) {
        throw VerboseError("Could not find placeholder control: id=" +
                           std::to_string(placeholderId));
    }
    return placeholder;
}

RECT areaIn(HWND dialog, HWND placeholder) {
    RECT area{};
    GetWindowRect(placeholder, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

} // namespace

HWND replace(HWND dialog, int placeholderId, const wchar_t* windowClass, const wchar_t* title,
             DWORD style, void* creationData) {
    HWND placeholder = placeholderOf(dialog, placeholderId);
    const RECT area = areaIn(dialog, placeholder);
    const auto font = static_cast<WPARAM>(SendMessageW(placeholder, WM_GETFONT, 0, 0));
    // The window before the placeholder in the tab order, or the top when it was the first.
    HWND before = GetWindow(placeholder, GW_HWNDPREV);
    DestroyWindow(placeholder);
    HWND control = CreateWindowExW(0, windowClass, title, style | WS_CHILD, area.left, area.top,
                                   area.right - area.left, area.bottom - area.top, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(placeholderId)),
                                   GetModuleHandleW(nullptr), creationData);
    if (control == nullptr) {
        throw VerboseError("Could not create control: class=" + Win32::narrow(windowClass) +
                           ", GetLastError=" + std::to_string(GetLastError()));
    }
    SetWindowPos(control, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, font, FALSE);
    return control;
}

} // namespace User32::PlaceholderWindow
