#include "backends/qt/settings/SoundOptionsPage.h"

#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/Trackbar.h"
#include "backends/qt/settings/UiTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

SoundOptionsPage::SoundOptionsPage(IPropertyPageHost& host, ISoundOptionsStorage& options,
                                   bool soundAvailable)
    : PropertyPageBase(host), model_(options, soundAvailable) {
    rain_ = makeTrackbar(Qt::Horizontal, model_.rainSlider(), "rainVolume",
                         SoundPageModel::rainVolumeId);
    thunder_ = makeTrackbar(Qt::Horizontal, model_.thunderSlider(), "thunderVolume",
                            SoundPageModel::thunderVolumeId);
    enabled_ = new QCheckBox(tr("开启(&E)"));
    enabled_->setObjectName("soundEnabled");
    ControlIds::assign(*enabled_, SoundPageModel::soundEnabledId);
    enabled_->setChecked(model_.initialState().soundEnabled);
    enabled_->setEnabled(model_.switchEnabled());
    enabled_->setWhatsThis(UiTexts::whatsThis("SoundOptionsPage", SoundPageModel::soundEnabledId));
    rain_->setWhatsThis(UiTexts::whatsThis("SoundOptionsPage", SoundPageModel::rainVolumeId));
    thunder_->setWhatsThis(UiTexts::whatsThis("SoundOptionsPage", SoundPageModel::thunderVolumeId));

    auto* rainLabel = new QLabel(tr("雨滴声(&R)"));
    rainLabel->setBuddy(rain_);
    auto* thunderLabel = new QLabel(tr("雷声(&T)"));
    thunderLabel->setBuddy(thunder_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(enabled_, 0, 0, 1, 2);
    layout->addWidget(rainLabel, 1, 0);
    layout->addWidget(rain_, 1, 1);
    layout->addWidget(thunderLabel, 2, 0);
    layout->addWidget(thunder_, 2, 1);
    layout->setRowStretch(3, 1);
    setFocusProxy(ControlIds::find(*this, model_.firstFocus()));
}

void SoundOptionsPage::apply() {
    model_.apply({rain_->value(), thunder_->value(), enabled_->isChecked()});
}
