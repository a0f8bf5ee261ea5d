#include "backends/user32/uninstaller/WizardHeader.h"

#include "backends/user32/DialogWindow.h"

namespace User32 {

namespace {

constexpr const wchar_t* templateName = L"InstallerWizardHeaderControl";
constexpr const wchar_t* graphicName = L"IDB_INSTALLER_WIZARD_HEADER_GRAPHIC";

} // namespace

WizardHeader::WizardHeader(HWND parent)
    : window_(DialogWindow::createChild(templateName, parent, procedure, 0)) {
    makeTitleBold();
    graphic_ = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), graphicName, IMAGE_BITMAP, 0, 0, 0));
    SendDlgItemMessageW(window_, graphicField, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(graphic_));
}

WizardHeader::~WizardHeader() {
    DestroyWindow(window_);
    if (boldFont_ != nullptr) {
        DeleteObject(boldFont_);
    }
    if (graphic_ != nullptr) {
        DeleteObject(graphic_);
    }
}

void WizardHeader::show(const std::string& title, const std::string& description) {
    DialogWindow::setItemText(window_, titleField, title);
    DialogWindow::setItemText(window_, descriptionField, description);
}

// The dialog's own font, made bold.
void WizardHeader::makeTitleBold() {
    auto font = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (font == nullptr || GetObjectW(font, sizeof(description), &description) == 0) {
        return;
    }
    description.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&description);
    SendDlgItemMessageW(window_, titleField, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_),
                        FALSE);
}

INT_PTR CALLBACK WizardHeader::procedure(HWND, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    default:
        return FALSE;
    }
}

} // namespace User32
