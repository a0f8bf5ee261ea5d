#pragma once

#include "settings/ValidationFailure.h"

#include <string>
#include <windows.h>

namespace User32 {

// A page of the settings sheet: made when the user first opens it, from its dialog template. It
// copies the options into its controls when it is made, checks them when the user leaves it and
// writes them back when the sheet closes with OK.
class PropertyPage {
public:
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    HWND window() const { return window_; }

    // Writes every control back into the options.
    virtual void apply() {}
    // False keeps the user on the page; the page has said why and put the focus where to fix it.
    virtual bool validate() { return true; }
    virtual void onActivate() {}
    virtual void onDeactivate() {}
    // A button or check box of the page was used.
    virtual void onCommand(int /*controlId*/, int /*notification*/) {}
    // The page's own colours for a control, or null for the system's.
    virtual HBRUSH colourFor(HWND /*control*/, HDC /*context*/) { return nullptr; }

protected:
    explicit PropertyPage(HWND window) : window_(window) {}

    HWND item(int id) const { return GetDlgItem(window_, id); }
    bool isChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    void setChecked(int id, bool checked) const;
    void enable(int id, bool enabled) const { EnableWindow(item(id), enabled); }
    // The failure's message box, owned by the sheet, then the focus on the control it names.
    void showFailure(const ValidationFailure& failure) const;

private:
    HWND window_;
};

// The product's name and version, the caption of the settings' own messages.
std::string applicationTitle();

// A failure's message box and focus, for the pages and for the controls they host.
void showValidationFailure(HWND dialog, const ValidationFailure& failure);

} // namespace User32
