#pragma once

#include "backends/user32/settings/PropertyPage.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace User32 {

// The settings as the system's property sheet: pages from the program's dialog templates, made
// when first opened. OK lets the current page check itself and then every page made so far
// apply itself, in page order; Cancel applies nothing. There is no Apply button.
class SettingsSheet {
public:
    using PageFactory = std::function<std::unique_ptr<PropertyPage>(HWND window)>;

    // owner: the window that asked for the settings, or null.
    SettingsSheet(HWND owner, std::string caption);

    // title: the page's tab, as designed; the user reads it in their language. helpPart: the
    // name the help of its controls is found under.
    void addPage(int templateId, std::string title, const char* helpPart, PageFactory factory);
    // Shows the sheet until it is closed; true when it was closed with OK. An error of a page
    // closes the sheet and comes out here.
    bool run();

private:
    struct Entry {
        SettingsSheet* sheet;
        int templateId;
        std::wstring title;
        const char* helpPart;
        PageFactory factory;
        std::unique_ptr<PropertyPage> page;
    };

    static INT_PTR CALLBACK pageProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR handle(Entry& entry, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR notify(Entry& entry, HWND dialog, const NMHDR& header);
    static int CALLBACK sheetCallback(HWND sheet, UINT message, LPARAM lParam);
    void keep(std::exception_ptr error, HWND dialog);

    HWND owner_;
    std::string caption_;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::exception_ptr error_;
};

} // namespace User32
