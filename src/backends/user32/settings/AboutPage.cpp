#include "backends/user32/settings/AboutPage.h"

#include "backends/user32/settings/StaticPictureControl.h"
#include "backends/win32/WideText.h"

namespace User32 {

AboutPage::AboutPage(HWND window) : PropertyPage(window) {
    StaticPictureControl::createOver(window, pictureId, logoResource);
    SetDlgItemTextW(window, titleId, Win32::wide(applicationTitle()).c_str());
}

} // namespace User32
