#include "backends/user32/settings/SettingsSheet.h"

#include "backends/user32/settings/ContextHelp.h"
#include "backends/user32/settings/Translation.h"
#include "backends/win32/WideText.h"

#include <commctrl.h>

namespace User32 {

SettingsSheet::SettingsSheet(HWND owner, std::string caption)
    : owner_(owner), caption_(std::move(caption)) {}

void SettingsSheet::addPage(int templateId, std::string title, const char* helpPart,
                            PageFactory factory) {
    entries_.push_back(std::make_unique<Entry>(Entry{this,
                                                     templateId,
                                                     Win32::wide(Translation::forUser(title)),
                                                     helpPart,
                                                     std::move(factory),
                                                     {}}));
}

// The sheet gets the title bar's "?" button, which asks for the help of the control clicked next.
int CALLBACK SettingsSheet::sheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE) {
        auto* sheetTemplate = reinterpret_cast<DLGTEMPLATE*>(lParam);
        // A DLGTEMPLATEEX begins with its version and signature where DLGTEMPLATE has its
        // style; its style lies three words further.
        const auto* words = reinterpret_cast<const WORD*>(sheetTemplate);
        if (words[1] == 0xFFFF) {
            reinterpret_cast<DWORD*>(sheetTemplate)[3] |= DS_CONTEXTHELP;
        } else {
            sheetTemplate->style |= DS_CONTEXTHELP;
        }
    }
    return 0;
}

bool SettingsSheet::run() {
    std::vector<PROPSHEETPAGEW> pages;
    for (const auto& entry : entries_) {
        PROPSHEETPAGEW page{};
        page.dwSize = sizeof(page);
        page.dwFlags = PSP_USETITLE | PSP_HASHELP;
        page.pszTitle = entry->title.c_str();
        page.hInstance = GetModuleHandleW(nullptr);
        page.pszTemplate = MAKEINTRESOURCEW(entry->templateId);
        page.pfnDlgProc = pageProcedure;
        page.lParam = reinterpret_cast<LPARAM>(entry.get());
        pages.push_back(page);
    }
    const std::wstring caption = Win32::wide(caption_);
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP | PSH_USECALLBACK;
    header.pfnCallback = sheetCallback;
    header.hwndParent = owner_;
    header.hInstance = GetModuleHandleW(nullptr);
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = 0;
    header.ppsp = pages.data();
    const INT_PTR result = PropertySheetW(&header);
    if (error_) {
        std::rethrow_exception(error_);
    }
    return result > 0;
}

// Errors must not pass through the system's dialog code: the first one closes the sheet and is
// thrown again once it is gone.
INT_PTR CALLBACK SettingsSheet::pageProcedure(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, page->lParam);
    }
    auto* entry = reinterpret_cast<Entry*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (entry == nullptr) {
        return FALSE;
    }
    try {
        return handle(*entry, dialog, message, wParam, lParam);
    } catch (...) {
        entry->sheet->keep(std::current_exception(), dialog);
        return TRUE;
    }
}

void SettingsSheet::keep(std::exception_ptr error, HWND dialog) {
    if (!error_) {
        error_ = error;
    }
    PostMessageW(GetParent(dialog), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

INT_PTR SettingsSheet::handle(Entry& entry, HWND dialog, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        // The page puts the focus where it starts itself.
        ContextHelp::belongsTo(dialog, entry.helpPart);
        entry.page = entry.factory(dialog);
        Translation::translateDialog(dialog);
        return FALSE;
    case WM_HELP:
        return ContextHelp::show(*reinterpret_cast<const HELPINFO*>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY:
        return entry.page ? notify(entry, dialog, *reinterpret_cast<const NMHDR*>(lParam)) : FALSE;
    case WM_COMMAND:
        if (entry.page) {
            entry.page->onCommand(LOWORD(wParam), HIWORD(wParam));
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (entry.page) {
            if (HBRUSH brush = entry.page->colourFor(reinterpret_cast<HWND>(lParam),
                                                     reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<INT_PTR>(brush);
            }
        }
        return FALSE;
    case WM_DESTROY:
        entry.page.reset();
        return FALSE;
    default:
        return FALSE;
    }
}

// The answers of PSN_KILLACTIVE and PSN_APPLY go into the dialog's message result.
INT_PTR SettingsSheet::notify(Entry& entry, HWND dialog, const NMHDR& header) {
    switch (header.code) {
    case PSN_SETACTIVE:
        entry.page->onActivate();
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
        return TRUE;
    case PSN_KILLACTIVE: {
        const bool valid = entry.page->validate();
        if (valid) {
            entry.page->onDeactivate();
        }
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, valid ? FALSE : TRUE);
        return TRUE;
    }
    case PSN_HELP:
        ContextHelp::showGuide(GetParent(dialog));
        return TRUE;
    case PSN_APPLY:
        entry.page->apply();
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, PSNRET_NOERROR);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace User32
