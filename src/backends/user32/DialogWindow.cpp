#include "backends/user32/DialogWindow.h"

#include "backends/win32/WideText.h"
#include "errors/VerboseError.h"

namespace User32::DialogWindow {

HWND createChild(const wchar_t* templateName, HWND parent, DLGPROC procedure, LPARAM owner) {
    HWND child =
        CreateDialogParamW(GetModuleHandleW(nullptr), templateName, parent, procedure, owner);
    if (child == nullptr) {
        throw VerboseError("Could not create dialog: resourceId=" + Win32::narrow(templateName) +
                           ", GetLastError=" + std::to_string(GetLastError()));
    }
    return child;
}

void placeOver(HWND child, HWND parent, int placeholderId) {
    HWND placeholder = GetDlgItem(parent, placeholderId);
    RECT area{};
    GetWindowRect(placeholder, &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    SetWindowPos(child, placeholder, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOACTIVATE);
    ShowWindow(child, SW_SHOW);
}

void setItemText(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextW(dialog, id, Win32::wide(text).c_str());
}

} // namespace User32::DialogWindow
