#pragma once

#include "backends/user32/settings/PropertyPage.h"

#include <memory>

class IDisplayModeSelectionModel;
class IWallpaperListModel;

namespace User32 {

class DisplayModeSelectionControl;
class WallpaperListEditingControl;

// The display mode of the full-screen saver and the user's own pictures, each in a control of
// its own.
class DisplayPage : public PropertyPage {
public:
    static constexpr int templateId = 121;
    static constexpr int displayModePlaceholder = 1058;
    static constexpr int wallpapersPlaceholder = 1059;

    DisplayPage(HWND window, IDisplayModeSelectionModel& modes, IWallpaperListModel& wallpapers);
    ~DisplayPage() override;

    bool validate() override;
    void apply() override;

private:
    std::unique_ptr<DisplayModeSelectionControl> modes_;
    std::unique_ptr<WallpaperListEditingControl> wallpapers_;
};

} // namespace User32
