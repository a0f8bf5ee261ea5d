#include "backends/qt/settings/DisplayOptionsPage.h"

#include "backends/qt/settings/DisplayModeSelectionControl.h"
#include "backends/qt/settings/WallpaperListEditingControl.h"

#include <QGroupBox>
#include <QVBoxLayout>

DisplayOptionsPage::DisplayOptionsPage(IPropertyPageHost& host, IDisplayModeSelectionModel& modes,
                                       IWallpaperListModel& wallpapers)
    : PropertyPageBase(host), modes_(new DisplayModeSelectionControl(nullptr, modes)),
      wallpapers_(new WallpaperListEditingControl(nullptr, wallpapers)) {
    auto* modeBox = new QGroupBox(tr("显示模式"));
    (new QVBoxLayout(modeBox))->addWidget(modes_);
    auto* wallpaperBox = new QGroupBox(tr("背景图片"));
    (new QVBoxLayout(wallpaperBox))->addWidget(wallpapers_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeBox);
    layout->addWidget(wallpaperBox, 1);
}

bool DisplayOptionsPage::validate() {
    return modes_->validate() && wallpapers_->validate();
}

void DisplayOptionsPage::apply() {
    modes_->apply();
    wallpapers_->apply();
}
