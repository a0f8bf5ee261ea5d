#include "backends/user32/settings/PropertyPage.h"

#include "backends/user32/settings/Translation.h"
#include "backends/win32/WideText.h"
#include "resources/Strings.h"

namespace User32 {

namespace {

constexpr uint32_t productNameText = 1;
constexpr const char* productVersion = "2.2.17";

std::string captionOf(const ValidationFailure& failure) {
    return failure.caption == ValidationFailure::Caption::errorString
               ? Resources::loadString(ValidationFailure::errorCaptionString)
               : applicationTitle();
}

std::string textOf(const ValidationFailure& failure) {
    std::string text = Resources::loadString(failure.messageString);
    if (const std::size_t insert = text.find("%s"); insert != std::string::npos) {
        text.replace(insert, 2, failure.insertedText);
    }
    return text;
}

} // namespace

std::string applicationTitle() {
    return Resources::loadString(productNameText) + " " + productVersion;
}

void showValidationFailure(HWND dialog, const ValidationFailure& failure) {
    MessageBoxW(
        GetAncestor(dialog, GA_ROOT), Win32::wide(Translation::forUser(textOf(failure))).c_str(),
        Win32::wide(Translation::forUser(captionOf(failure))).c_str(), MB_OK | MB_ICONERROR);
    if (failure.focusControl != ValidationFailure::noControl) {
        if (HWND control = GetDlgItem(dialog, failure.focusControl)) {
            SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        }
    }
}

void PropertyPage::setChecked(int id, bool checked) const {
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void PropertyPage::showFailure(const ValidationFailure& failure) const {
    showValidationFailure(window_, failure);
}

} // namespace User32
