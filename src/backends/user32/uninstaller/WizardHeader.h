#pragma once

#include <string>
#include <windows.h>

namespace User32 {

// The band at the top of the wizard: the page's title in bold, its description and the
// wizard's graphic, on the window colour.
class WizardHeader {
public:
    static constexpr int titleField = 1001;
    static constexpr int descriptionField = 1002;
    static constexpr int graphicField = 1004;

    explicit WizardHeader(HWND parent);
    ~WizardHeader();
    WizardHeader(const WizardHeader&) = delete;
    WizardHeader& operator=(const WizardHeader&) = delete;

    HWND window() const { return window_; }
    void show(const std::string& title, const std::string& description);

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void makeTitleBold();

    HWND window_ = nullptr;
    HFONT boldFont_ = nullptr;
    HBITMAP graphic_ = nullptr;
};

} // namespace User32
