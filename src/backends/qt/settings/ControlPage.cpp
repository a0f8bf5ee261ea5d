#include "backends/qt/settings/ControlPage.h"

#include "backends/qt/settings/CpuLoadAndInterruptingOptionsControl.h"
#include "backends/qt/settings/ResetPeriodSpinBox.h"
#include "options/ScreensaverControlOptions.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ControlPage::ControlPage(IPropertyPageHost& host, ScreensaverControlOptions& options)
    : PropertyPageBase(host), options_(options), resetEnabled_(new QCheckBox(tr("定期重置屏幕"))),
      resetPeriod_(new ResetPeriodSpinBox), everyLabel_(new QLabel(tr("间隔(&I):"))),
      secondsLabel_(new QLabel(tr("秒"))),
      load_(new CpuLoadAndInterruptingOptionsControl(nullptr, options)) {
    resetEnabled_->setObjectName("resetEnabled");
    resetEnabled_->setChecked(options.resetEnabled());
    resetPeriod_->setObjectName("resetPeriod");
    resetPeriod_->setRange(ScreensaverControlOptions::minResetPeriodBound,
                           ScreensaverControlOptions::maxResetPeriodBound);
    resetPeriod_->setValue(options.resetPeriod());
    everyLabel_->setBuddy(resetPeriod_);
    resetEnabled_->setWhatsThis(tr("选中后，每隔一段时间擦干玻璃上的雨滴，并换下一张背景图片。"));
    resetPeriod_->setWhatsThis(tr("两次重置之间的秒数。按住箭头不放，数字会越变越快。"));
    connect(resetEnabled_, &QCheckBox::clicked, this, &ControlPage::updateEnabling);
    updateEnabling();

    auto* period = new QHBoxLayout;
    period->addSpacing(20);
    period->addWidget(everyLabel_);
    period->addWidget(resetPeriod_);
    period->addWidget(secondsLabel_);
    period->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(load_);
    layout->addWidget(resetEnabled_);
    layout->addLayout(period);
    layout->addStretch(1);
}

bool ControlPage::validate() {
    return load_->validate();
}

void ControlPage::apply() {
    options_.setResetEnabled(resetEnabled_->isChecked());
    options_.setResetPeriod(resetPeriod_->value());
    load_->apply();
}

void ControlPage::updateEnabling() {
    const bool on = resetEnabled_->isChecked();
    resetPeriod_->setEnabled(on);
    everyLabel_->setEnabled(on);
    secondsLabel_->setEnabled(on);
}
