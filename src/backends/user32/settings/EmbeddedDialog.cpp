#include "backends/user32/settings/EmbeddedDialog.h"

#include "backends/user32/DialogWindow.h"
#include "backends/user32/settings/ContextHelp.h"

#include <uxtheme.h>

namespace User32 {

EmbeddedDialog::~EmbeddedDialog() {
    if (window_ != nullptr) {
        HWND dialog = window_;
        // Nothing of the dialog may reach this object while it is being taken apart.
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        window_ = nullptr;
        DestroyWindow(dialog);
    }
}

void EmbeddedDialog::create(const wchar_t* templateName, const char* part, HWND page,
                            int placeholderId) {
    HWND dialog =
        DialogWindow::createChild(templateName, page, procedure, reinterpret_cast<LPARAM>(this));
    ContextHelp::belongsTo(dialog, part);
    // The page is drawn with the tab's own background; the control on it must be too.
    EnableThemeDialogTexture(dialog, ETDT_ENABLETAB);
    DialogWindow::placeOver(dialog, page, placeholderId);
}

INT_PTR CALLBACK EmbeddedDialog::procedure(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* owner = DialogWindow::ownerOf<EmbeddedDialog>(dialog, message, lParam);
    if (owner == nullptr) {
        return FALSE;
    }
    if (message == WM_INITDIALOG) {
        owner->window_ = dialog;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        owner->window_ = nullptr;
        return FALSE;
    }
    return owner->dispatch(message, wParam, lParam);
}

INT_PTR EmbeddedDialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        onInit();
        // The page decides where the focus goes, not its embedded control.
        return FALSE;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        break;
    }
    LRESULT result = 0;
    if (!onMessage(message, wParam, lParam, result)) {
        return FALSE;
    }
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace User32
