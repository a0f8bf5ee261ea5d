#include "backends/qt/settings/LightningBoltsOptionsDialog.h"

#include "backends/qt/settings/ColorPickerControl.h"
#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/UiTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

LightningBoltsOptionsDialog::LightningBoltsOptionsDialog(QWidget* parent,
                                                         ILightningOptionsStorage& options)
    : QDialog(parent), model_(options), sample_(new ColorPickerControl),
      random_(new QRadioButton(tr("随机选取(&R)"))), chosen_(new QRadioButton(tr("指定颜色(&C)"))),
      change_(new QPushButton(tr("改变(&G)..."))) {
    setWindowTitle(tr("闪电颜色详细设置"));
    random_->setObjectName("randomColour");
    chosen_->setObjectName("chosenColour");
    change_->setObjectName("changeColour");
    ControlIds::assign(*sample_, BoltColourDialogModel::sampleId);
    ControlIds::assign(*random_, BoltColourDialogModel::randomColourId);
    ControlIds::assign(*chosen_, BoltColourDialogModel::chosenColourId);
    ControlIds::assign(*change_, BoltColourDialogModel::changeColourId);
    const BoltColourState initial = model_.initialState();
    sample_->setColour(initial.colour);
    (initial.randomColour ? random_ : chosen_)->setChecked(true);
    random_->setWhatsThis(
        UiTexts::whatsThis("LightningBoltsOptionsDialog", BoltColourDialogModel::randomColourId));
    chosen_->setWhatsThis(
        UiTexts::whatsThis("LightningBoltsOptionsDialog", BoltColourDialogModel::chosenColourId));
    change_->setWhatsThis(
        UiTexts::whatsThis("LightningBoltsOptionsDialog", BoltColourDialogModel::changeColourId));
    sample_->setWhatsThis(
        UiTexts::whatsThis("LightningBoltsOptionsDialog", BoltColourDialogModel::sampleId));
    connect(chosen_, &QRadioButton::toggled, this, &LightningBoltsOptionsDialog::updateEnabling);
    connect(change_, &QPushButton::clicked, sample_, &ColorPickerControl::chooseColour);
    updateEnabling();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &LightningBoltsOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LightningBoltsOptionsDialog::reject);
    auto* layout = new QGridLayout(this);
    layout->addWidget(random_, 0, 0, 1, 3);
    layout->addWidget(chosen_, 1, 0);
    layout->addWidget(sample_, 1, 1);
    layout->addWidget(change_, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 3);
}

void LightningBoltsOptionsDialog::accept() {
    model_.accept(state());
    QDialog::accept();
}

BoltColourState LightningBoltsOptionsDialog::state() const {
    return {sample_->colour(), random_->isChecked()};
}

void LightningBoltsOptionsDialog::updateEnabling() {
    const bool enabled = BoltColourDialogModel::colourChoiceEnabled(state());
    change_->setEnabled(enabled);
    sample_->setEnabled(enabled);
}
