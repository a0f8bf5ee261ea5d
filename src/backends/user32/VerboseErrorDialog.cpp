#include "backends/user32/VerboseErrorDialog.h"

#include "backends/win32/WideText.h"

namespace User32 {

namespace {

constexpr const wchar_t* templateName = L"IDD_VERBOSE_ERROR";
constexpr int iconField = 1000;

void fill(HWND dialog, const VerboseErrorReport& report) {
    SetWindowTextW(dialog, Win32::wide(report.title).c_str());
    SetDlgItemTextW(dialog, VerboseErrorDialog::messageField, Win32::wide(report.message).c_str());
    SetDlgItemTextW(dialog, VerboseErrorDialog::reportField, Win32::wide(report.text).c_str());
    SendDlgItemMessageW(dialog, iconField, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_ERROR)), 0);
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        fill(dialog, *reinterpret_cast<const VerboseErrorReport*>(lParam));
        // The report has the focus, ready to be selected and copied.
        SetFocus(GetDlgItem(dialog, VerboseErrorDialog::reportField));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void VerboseErrorDialog::show(const VerboseErrorReport& report) {
    DialogBoxParamW(GetModuleHandleW(nullptr), templateName, nullptr, dialogProcedure,
                    reinterpret_cast<LPARAM>(&report));
}

HWND VerboseErrorDialog::open(const VerboseErrorReport& report) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), templateName, nullptr, dialogProcedure,
                              reinterpret_cast<LPARAM>(&report));
}

} // namespace User32
