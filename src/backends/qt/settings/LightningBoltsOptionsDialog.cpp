#include "backends/qt/settings/LightningBoltsOptionsDialog.h"

#include "backends/qt/settings/ColorPickerControl.h"
#include "options/ILightningOptionsStorage.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

LightningBoltsOptionsDialog::LightningBoltsOptionsDialog(QWidget* parent,
                                                         ILightningOptionsStorage& options)
    : QDialog(parent), options_(options), sample_(new ColorPickerControl),
      random_(new QRadioButton(tr("随机选取(&R)"))), chosen_(new QRadioButton(tr("指定颜色(&C)"))),
      change_(new QPushButton(tr("改变(&G)..."))) {
    setWindowTitle(tr("闪电颜色详细设置"));
    random_->setObjectName("randomColour");
    chosen_->setObjectName("chosenColour");
    change_->setObjectName("changeColour");
    sample_->setColour(options.boltColour());
    (options.randomColour() != 0 ? random_ : chosen_)->setChecked(true);
    random_->setWhatsThis(tr("每道闪电随机选取一种颜色。"));
    chosen_->setWhatsThis(tr("所有闪电都用下面的颜色。"));
    change_->setWhatsThis(tr("打开颜色选择框，选取闪电的颜色。"));
    sample_->setWhatsThis(tr("闪电现在的颜色。"));
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
    options_.setBoltColour(sample_->colour());
    options_.setRandomColour(random_->isChecked() ? 1 : 0);
    QDialog::accept();
}

void LightningBoltsOptionsDialog::updateEnabling() {
    change_->setEnabled(chosen_->isChecked());
    sample_->setEnabled(chosen_->isChecked());
}
