#include "backends/qt/settings/SoundOptionsPage.h"

#include "backends/qt/settings/Trackbar.h"
#include "options/ISoundOptionsStorage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

SoundOptionsPage::SoundOptionsPage(IPropertyPageHost& host, ISoundOptionsStorage& options,
                                   bool soundAvailable)
    : PropertyPageBase(host), options_(options) {
    const int lowest = volumePosition(options.minVolume());
    const int highest = volumePosition(options.maxVolume());
    const int step = roundHalfUp((highest - lowest) * 0.1);
    rain_ = makeTrackbar(Qt::Horizontal,
                         {lowest, highest, 1, step, step, volumePosition(options.rainVolume())},
                         "rainVolume");
    thunder_ = makeTrackbar(
        Qt::Horizontal, {lowest, highest, 1, step, step, volumePosition(options.thunderVolume())},
        "thunderVolume");
    enabled_ = new QCheckBox(tr("开启(&E)"));
    enabled_->setObjectName("soundEnabled");
    enabled_->setChecked(soundAvailable && options.soundEnabled());
    enabled_->setEnabled(soundAvailable);
    enabled_->setWhatsThis(tr("选中后播放雨声和雷声。没有可用的音频输出时不能选中。"));
    rain_->setWhatsThis(tr("雨声的音量。"));
    thunder_->setWhatsThis(tr("雷声的音量。"));

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
    setFocusProxy(enabled_->isEnabled() ? static_cast<QWidget*>(enabled_) : rain_);
}

int SoundOptionsPage::volumePosition(float volume) {
    return static_cast<int>(volume * 100.0f);
}

float SoundOptionsPage::volumeAt(int position) {
    return static_cast<float>(position) * 0.01f;
}

void SoundOptionsPage::apply() {
    options_.setRainVolume(volumeAt(rain_->value()));
    options_.setThunderVolume(volumeAt(thunder_->value()));
    options_.setSoundEnabled(enabled_->isChecked());
}
