#include "backends/qt/settings/LightningOptionsPage.h"

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

namespace {

constexpr uint32_t intervalMessage = 23;

} // namespace

LightningOptionsPage::LightningOptionsPage(IPropertyPageHost& host,
                                           ILightningOptionsStorage& options)
    : PropertyPageBase(host), options_(options) {
    const int step = roundHalfUp(options.maxIntervalBound() * 0.1);
    const TrackbarSettings interval{
        options.minIntervalBound(), options.maxIntervalBound(), 1, step, step,
        options.minInterval()};
    minInterval_ = makeTrackbar(Qt::Horizontal, interval, "minInterval");
    TrackbarSettings longest = interval;
    longest.position = options.minInterval() + options.intervalSpread();
    maxInterval_ = makeTrackbar(Qt::Horizontal, longest, "maxInterval");
    bolts_ = new QCheckBox(tr("显示闪电(&B)"));
    bolts_->setObjectName("boltsEnabled");
    bolts_->setChecked(options.boltsEnabled());
    flashes_ = new QCheckBox(tr("闪电照亮背景(&L)"));
    flashes_->setObjectName("flashesEnabled");
    flashes_->setChecked(options.flashesEnabled());
    boltDetails_ = new QPushButton(tr("高级(&V)..."));
    boltDetails_->setObjectName("boltDetails");
    flashDetails_ = new QPushButton(tr("高级(&A)..."));
    flashDetails_->setObjectName("flashDetails");

    minInterval_->setWhatsThis(tr("两道闪电之间最短等待多少秒。"));
    maxInterval_->setWhatsThis(tr("两道闪电之间最长等待多少秒。不能短于最小时限。"));
    bolts_->setWhatsThis(tr("选中后，雨中不时划过闪电，并伴有雷声。"));
    flashes_->setWhatsThis(tr("选中后，闪电时背景中明亮的部分会闪光。"));
    boltDetails_->setWhatsThis(tr("选择闪电的颜色。"));
    flashDetails_->setWhatsThis(tr("选择闪光的颜色和亮度阈值。"));

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
    setFocusProxy(bolts_);
}

bool LightningOptionsPage::validate() {
    if (bolts_->isChecked() && maxInterval_->value() < minInterval_->value()) {
        showError(UiTexts::errorCaption(), UiTexts::string(intervalMessage));
        minInterval_->setFocus();
        return false;
    }
    return true;
}

void LightningOptionsPage::apply() {
    options_.setMinInterval(minInterval_->value());
    options_.setIntervalSpread(maxInterval_->value() - minInterval_->value());
    options_.setBoltsEnabled(bolts_->isChecked());
    options_.setFlashesEnabled(flashes_->isChecked());
}

void LightningOptionsPage::updateEnabling() {
    boltDetails_->setEnabled(bolts_->isChecked());
    flashDetails_->setEnabled(flashes_->isChecked());
}

void LightningOptionsPage::editBolts() {
    LightningBoltsOptionsDialog(host().sheetWindow(), options_).exec();
}

void LightningOptionsPage::editFlashes() {
    LightningFlashesOptionsDialog(host().sheetWindow(), options_).exec();
}
