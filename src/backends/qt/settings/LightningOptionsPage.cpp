#include "backends/qt/settings/LightningOptionsPage.h"

#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/IPropertyPageHost.h"
#include "backends/qt/settings/LightningBoltsOptionsDialog.h"
#include "backends/qt/settings/LightningFlashesOptionsDialog.h"
#include "backends/qt/settings/Trackbar.h"
#include "backends/qt/settings/UiTexts.h"
#include "options/ILightningOptionsStorage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

LightningOptionsPage::LightningOptionsPage(IPropertyPageHost& host,
                                           ILightningOptionsStorage& options)
    : PropertyPageBase(host), options_(options), model_(options) {
    const LightningPageState initial = model_.initialState();
    minInterval_ = makeTrackbar(Qt::Horizontal, model_.shortestPauseSlider(), "minInterval",
                                LightningPageModel::shortestPauseId);
    maxInterval_ = makeTrackbar(Qt::Horizontal, model_.longestPauseSlider(), "maxInterval",
                                LightningPageModel::longestPauseId);
    bolts_ = new QCheckBox(tr("显示闪电(&B)"));
    bolts_->setObjectName("boltsEnabled");
    ControlIds::assign(*bolts_, LightningPageModel::boltsId);
    bolts_->setChecked(initial.boltsEnabled);
    flashes_ = new QCheckBox(tr("闪电照亮背景(&L)"));
    flashes_->setObjectName("flashesEnabled");
    ControlIds::assign(*flashes_, LightningPageModel::flashesId);
    flashes_->setChecked(initial.flashesEnabled);
    boltDetails_ = new QPushButton(tr("高级(&V)..."));
    boltDetails_->setObjectName("boltDetails");
    ControlIds::assign(*boltDetails_, LightningPageModel::boltDetailsId);
    flashDetails_ = new QPushButton(tr("高级(&A)..."));
    flashDetails_->setObjectName("flashDetails");
    ControlIds::assign(*flashDetails_, LightningPageModel::flashDetailsId);

    minInterval_->setWhatsThis(
        UiTexts::whatsThis("LightningOptionsPage", LightningPageModel::shortestPauseId));
    maxInterval_->setWhatsThis(
        UiTexts::whatsThis("LightningOptionsPage", LightningPageModel::longestPauseId));
    bolts_->setWhatsThis(UiTexts::whatsThis("LightningOptionsPage", LightningPageModel::boltsId));
    flashes_->setWhatsThis(
        UiTexts::whatsThis("LightningOptionsPage", LightningPageModel::flashesId));
    boltDetails_->setWhatsThis(
        UiTexts::whatsThis("LightningOptionsPage", LightningPageModel::boltDetailsId));
    flashDetails_->setWhatsThis(
        UiTexts::whatsThis("LightningOptionsPage", LightningPageModel::flashDetailsId));

    connect(bolts_, &QCheckBox::clicked, this, &LightningOptionsPage::updateEnabling);
    connect(flashes_, &QCheckBox::clicked, this, &LightningOptionsPage::updateEnabling);
    connect(boltDetails_, &QPushButton::clicked, this, &LightningOptionsPage::editBolts);
    connect(flashDetails_, &QPushButton::clicked, this, &LightningOptionsPage::editFlashes);
    updateEnabling();

    auto* layout = new QGridLayout(this);
    auto* minLabel = new QLabel(tr("闪电间隔最小时限(&N):"));
    minLabel->setBuddy(minInterval_);
    auto* maxLabel = new QLabel(tr("闪电间隔最大时限(&X):"));
    maxLabel->setBuddy(maxInterval_);
    layout->addWidget(bolts_, 0, 0);
    layout->addWidget(boltDetails_, 0, 1);
    layout->addWidget(flashes_, 1, 0);
    layout->addWidget(flashDetails_, 1, 1);
    layout->addWidget(minLabel, 2, 0, 1, 2);
    layout->addWidget(minInterval_, 3, 0, 1, 2);
    layout->addWidget(maxLabel, 4, 0, 1, 2);
    layout->addWidget(maxInterval_, 5, 0, 1, 2);
    layout->setRowStretch(6, 1);
    setFocusProxy(ControlIds::find(*this, LightningPageModel::firstFocus()));
}

LightningPageState LightningOptionsPage::state() const {
    return {minInterval_->value(), maxInterval_->value(), bolts_->isChecked(),
            flashes_->isChecked()};
}

bool LightningOptionsPage::validate() {
    if (const auto failure = model_.validate(state())) {
        showFailure(*failure);
        ControlIds::focus(*this, failure->focusControl);
        return false;
    }
    return true;
}

void LightningOptionsPage::apply() {
    model_.apply(state());
}

void LightningOptionsPage::updateEnabling() {
    boltDetails_->setEnabled(LightningPageModel::boltDetailsEnabled(state()));
    flashDetails_->setEnabled(LightningPageModel::flashDetailsEnabled(state()));
}

void LightningOptionsPage::editBolts() {
    LightningBoltsOptionsDialog(host().sheetWindow(), options_).exec();
}

void LightningOptionsPage::editFlashes() {
    LightningFlashesOptionsDialog(host().sheetWindow(), options_).exec();
}
