#pragma once

#include <string>
#include <windows.h>

namespace User32 {

// Shared plumbing of the wizard's dialogs, which are made from the program's templates.
namespace DialogWindow {

// The object a dialog was made for: handed over as the creation parameter and kept in the
// dialog's user data from WM_INITDIALOG on; null before.
template <typename Owner> Owner* ownerOf(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    }
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// A child dialog of the template, made invisible inside parent; throws when the template
// cannot be made into a dialog.
HWND createChild(const wchar_t* templateName, HWND parent, DLGPROC procedure, LPARAM owner);

// Moves child over the placeholder control of parent, next to it in the tab order, and shows
// it; the placeholder itself stays hidden.
void placeOver(HWND child, HWND parent, int placeholderId);

void setItemText(HWND dialog, int id, const std::string& text);

} // namespace DialogWindow

} // namespace User32
