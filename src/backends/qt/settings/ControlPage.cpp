#include "backends/qt/settings/ControlPage.h"

#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/CpuLoadAndInterruptingOptionsControl.h"
#include "backends/qt/settings/ResetPeriodSpinBox.h"
#include "backends/qt/settings/UiTexts.h"
#include "options/ScreensaverControlOptions.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ControlPage::ControlPage(IPropertyPageHost& host, ScreensaverControlOptions& options)
    : PropertyPageBase(host), model_(options), resetEnabled_(new QCheckBox(tr("定期重置屏幕"))),
      resetPeriod_(new ResetPeriodSpinBox), everyLabel_(new QLabel(tr("间隔(&I):"))),
      secondsLabel_(new QLabel(tr("秒"))),
      load_(new CpuLoadAndInterruptingOptionsControl(nullptr, options)) {
    resetEnabled_->setObjectName("resetEnabled");
    ControlIds::assign(*resetEnabled_, ControlPageModel::resetEnabledId);
    resetEnabled_->setChecked(model_.initialState().resetEnabled);
    resetPeriod_->setObjectName("resetPeriod");
    // One Qt control stands for the edit and its arrows.
    ControlIds::assign(*resetPeriod_, ControlPageModel::resetPeriodSpinId);
    const SpinSettings spin = model_.resetPeriodSpin();
    resetPeriod_->setRange(spin.minimum, spin.maximum);
    resetPeriod_->setValue(spin.position);
    ControlIds::assign(*everyLabel_, ControlPageModel::periodLabelId);
    ControlIds::assign(*secondsLabel_, ControlPageModel::secondsLabelId);
    everyLabel_->setBuddy(resetPeriod_);
    resetEnabled_->setWhatsThis(
        UiTexts::whatsThis("ControlPage", ControlPageModel::resetEnabledId));
    resetPeriod_->setWhatsThis(
        UiTexts::whatsThis("ControlPage", ControlPageModel::resetPeriodSpinId));
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
    model_.apply(state());
    load_->apply();
}

ControlPageState ControlPage::state() const {
    return {resetEnabled_->isChecked(), resetPeriod_->value()};
}

void ControlPage::updateEnabling() {
    const bool on = ControlPageModel::periodEnabled(state());
    resetPeriod_->setEnabled(on);
    everyLabel_->setEnabled(on);
    secondsLabel_->setEnabled(on);
}
