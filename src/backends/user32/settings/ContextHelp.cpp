#include "backends/user32/settings/ContextHelp.h"

#include "backends/user32/settings/PropertyPage.h"
#include "backends/user32/settings/Translation.h"
#include "backends/win32/WideText.h"
#include "settings/ControlHelp.h"

#include <commctrl.h>
#include <regex>
#include <string>

namespace ContextHelp {

namespace {

constexpr const wchar_t* partProperty = L"PluvoHelpPart";
constexpr UINT_PTR hideTimer = 0x5048;
constexpr UINT shownMilliseconds = 15000;
constexpr int widestLine = 320;

// The name of the part the control belongs to: that of the nearest window above it that has
// one.
const char* partOf(HWND control) {
    for (HWND window = control; window != nullptr; window = GetParent(window)) {
        if (const HANDLE part = GetPropW(window, partProperty)) {
            return static_cast<const char*>(part);
        }
    }
    return nullptr;
}

// The font of the control or of the nearest dialog around it, which has the pages' characters;
// the system's may not. A slider has none of its own.
HFONT fontAround(HWND control) {
    for (HWND window = control; window != nullptr; window = GetParent(window)) {
        if (auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
            return font;
        }
    }
    return nullptr;
}

// One window for the help, shown beside the control until it is asked for again, the user
// clicks, or some time has passed.
class HelpWindow {
public:
    void show(HWND control, const std::wstring& text) {
        hide();
        text_ = text;
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                               nullptr, nullptr, nullptr);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        tool.hwnd = control;
        tool.lpszText = text_.data();
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(fontAround(control)), FALSE);
        SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, widestLine);
        RECT area{};
        GetWindowRect(control, &area);
        SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(area.left, area.bottom));
        SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
        SetTimer(nullptr, hideTimer, shownMilliseconds, hideLater);
    }

    void hide() {
        if (tip_ != nullptr) {
            DestroyWindow(tip_);
            tip_ = nullptr;
        }
    }

private:
    static void CALLBACK hideLater(HWND, UINT, UINT_PTR timer, DWORD);

    HWND tip_ = nullptr;
    std::wstring text_;
};

HelpWindow& helpWindow() {
    static HelpWindow window;
    return window;
}

void CALLBACK HelpWindow::hideLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    helpWindow().hide();
}

// The guide is written for a browser; a message box shows its text with a line for each
// heading and paragraph.
std::string plainText(const std::string& html) {
    std::string text = std::regex_replace(html, std::regex("</(h2|h3|p)>"), "\n\n");
    text = std::regex_replace(text, std::regex("<[^>]*>"), "");
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

} // namespace

void belongsTo(HWND window, const char* part) {
    SetPropW(window, partProperty, const_cast<char*>(part));
}

bool show(const HELPINFO& request) {
    if (request.iContextType != HELPINFO_WINDOW) {
        return false;
    }
    auto* control = static_cast<HWND>(request.hItemHandle);
    const char* part = partOf(control);
    const char* text = part == nullptr ? nullptr : ControlHelp::textFor(part, request.iCtrlId);
    if (text == nullptr) {
        return false;
    }
    helpWindow().show(control, Win32::wide(Translation::forUser(text)));
    return true;
}

void showGuide(HWND owner) {
    const std::string guide = Translation::forUser(ControlHelp::guide());
    MessageBoxW(owner, Win32::wide(plainText(guide)).c_str(),
                Win32::wide(User32::applicationTitle()).c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace ContextHelp
