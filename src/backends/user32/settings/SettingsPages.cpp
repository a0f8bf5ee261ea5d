#include "backends/user32/settings/SettingsPages.h"

#include "backends/user32/settings/AboutPage.h"
#include "backends/user32/settings/ControlPage.h"
#include "backends/user32/settings/DisplayPage.h"
#include "backends/user32/settings/DropsPage.h"
#include "backends/user32/settings/LightningPage.h"
#include "backends/user32/settings/SettingsSheet.h"
#include "backends/user32/settings/SoundPage.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <commctrl.h>

namespace User32 {

void runSettingsPages(HWND owner, ScreenSaverOptionsStorage& options, bool soundAvailable) {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    SettingsSheet sheet(owner, applicationTitle());
    sheet.addPage(AboutPage::templateId, "关于", "AboutPage",
                  [](HWND window) { return std::make_unique<AboutPage>(window); });
    sheet.addPage(DropsPage::templateId, "雨滴", "DropsOptionsPage",
                  [&options](HWND window) { return std::make_unique<DropsPage>(window, options); });
    sheet.addPage(
        LightningPage::templateId, "闪电", "LightningOptionsPage",
        [&options](HWND window) { return std::make_unique<LightningPage>(window, options); });
    sheet.addPage(DisplayPage::templateId, "显示", "DisplayOptionsPage", [&options](HWND window) {
        return std::make_unique<DisplayPage>(window, options.displayModeSelectionModel(),
                                             options.wallpaperList());
    });
    sheet.addPage(SoundPage::templateId, "声音", "SoundOptionsPage",
                  [&options, soundAvailable](HWND window) {
                      return std::make_unique<SoundPage>(window, options, soundAvailable);
                  });
    sheet.addPage(ControlPage::templateId, "控制", "ControlPage", [&options](HWND window) {
        return std::make_unique<ControlPage>(window, options.controlOptions());
    });
    sheet.run();
}

} // namespace User32
