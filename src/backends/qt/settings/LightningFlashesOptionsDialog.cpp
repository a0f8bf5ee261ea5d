#include "backends/qt/settings/LightningFlashesOptionsDialog.h"

#include "backends/qt/settings/BrightnessSelectionControl.h"
#include "backends/qt/settings/ColorPickerControl.h"
#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/UiTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

LightningFlashesOptionsDialog::LightningFlashesOptionsDialog(QWidget* parent,
                                                             ILightningOptionsStorage& options)
    : QDialog(parent), model_(options), sample_(new ColorPickerControl),
      threshold_(new BrightnessSelectionControl) {
    setWindowTitle(tr("闪电背景详细设置"));
    const FlashState initial = model_.initialState();
    sample_->setColour(initial.colour);
    threshold_->setValue(initial.threshold);
    auto* change = new QPushButton(tr("改变(&G)..."));
    change->setObjectName("changeColour");
    ControlIds::assign(*sample_, FlashDialogModel::sampleId);
    ControlIds::assign(*change, FlashDialogModel::changeColourId);
    ControlIds::assign(*threshold_, FlashDialogModel::thresholdId);
    connect(change, &QPushButton::clicked, sample_, &ColorPickerControl::chooseColour);
    sample_->setWhatsThis(
        UiTexts::whatsThis("LightningFlashesOptionsDialog", FlashDialogModel::sampleId));
    change->setWhatsThis(
        UiTexts::whatsThis("LightningFlashesOptionsDialog", FlashDialogModel::changeColourId));
    threshold_->setWhatsThis(
        UiTexts::whatsThis("LightningFlashesOptionsDialog", FlashDialogModel::thresholdId));

    auto* thresholdLabel = new QLabel(tr("亮度阈值(&B):"));
    thresholdLabel->setBuddy(threshold_);
    auto* colourLabel = new QLabel(tr("颜色:"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &LightningFlashesOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LightningFlashesOptionsDialog::reject);
    auto* layout = new QGridLayout(this);
    layout->addWidget(colourLabel, 0, 0);
    layout->addWidget(sample_, 0, 1);
    layout->addWidget(change, 0, 2);
    layout->addWidget(thresholdLabel, 1, 0);
    layout->addWidget(threshold_, 1, 1, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 3);
}

void LightningFlashesOptionsDialog::accept() {
    model_.accept({sample_->colour(), threshold_->value()});
    QDialog::accept();
}
