#pragma once

#include "backends/qt/settings/PropertyPageBase.h"

class DisplayModeSelectionControl;
class IDisplayModeSelectionModel;
class IWallpaperListModel;
class WallpaperListEditingControl;

// The display mode of the full-screen saver and the list of background pictures.
class DisplayOptionsPage : public PropertyPageBase {
    Q_OBJECT

public:
    DisplayOptionsPage(IPropertyPageHost& host, IDisplayModeSelectionModel& modes,
                       IWallpaperListModel& wallpapers);

    void apply() override;
    bool validate() override;

    WallpaperListEditingControl& wallpaperEditor() { return *wallpapers_; }

private:
    DisplayModeSelectionControl* modes_;
    WallpaperListEditingControl* wallpapers_;
};
