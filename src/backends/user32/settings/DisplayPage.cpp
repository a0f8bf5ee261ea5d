#include "backends/user32/settings/DisplayPage.h"

#include "backends/user32/settings/DisplayModeSelectionControl.h"
#include "backends/user32/settings/WallpaperListEditingControl.h"

namespace User32 {

DisplayPage::DisplayPage(HWND window, IDisplayModeSelectionModel& modes,
                         IWallpaperListModel& wallpapers)
    : PropertyPage(window),
      modes_(std::make_unique<DisplayModeSelectionControl>(window, displayModePlaceholder, modes)),
      wallpapers_(std::make_unique<WallpaperListEditingControl>(window, wallpapersPlaceholder,
                                                                wallpapers)) {}

DisplayPage::~DisplayPage() = default;

bool DisplayPage::validate() {
    return modes_->validate() && wallpapers_->validate();
}

void DisplayPage::apply() {
    modes_->apply();
    wallpapers_->apply();
}

} // namespace User32
