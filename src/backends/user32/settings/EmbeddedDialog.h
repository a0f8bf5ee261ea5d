#pragma once

#include <windows.h>

namespace User32 {

// The base of the controls made of several ones: a child dialog of their own template, made in
// place of a page's placeholder and destroyed with the object (or earlier with the page).
class EmbeddedDialog {
public:
    virtual ~EmbeddedDialog();
    EmbeddedDialog(const EmbeddedDialog&) = delete;
    EmbeddedDialog& operator=(const EmbeddedDialog&) = delete;

    // The child dialog; null once the page has destroyed it.
    HWND window() const { return window_; }

protected:
    EmbeddedDialog() = default;

    // Called last by the derived constructor, as the dialog's set-up reaches its overrides.
    // Throws VerboseError when the template cannot be made into a dialog.
    // part: the name its controls' help is found under.
    void create(const wchar_t* templateName, const char* part, HWND page, int placeholderId);

    virtual void onInit() {}
    virtual void onCommand(int /*controlId*/, int /*notification*/) {}
    // Any other message; true, with the dialog's answer in result, when it was handled.
    virtual bool onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }

    HWND item(int id) const { return GetDlgItem(window_, id); }
    bool isChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    void check(int id) const { CheckDlgButton(window_, id, BST_CHECKED); }

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

} // namespace User32
