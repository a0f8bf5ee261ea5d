#include "backends/qt/settings/CpuLoadAndInterruptingOptionsControl.h"

#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/Trackbar.h"
#include "backends/qt/settings/UiTexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CpuLoadAndInterruptingOptionsControl::CpuLoadAndInterruptingOptionsControl(
    QWidget* parent, IScreensaverControlOptions& options)
    : QWidget(parent), model_(options), load_(makeTrackbar(Qt::Horizontal, model_.loadSlider(),
                                                           "cpuLoad", CpuLoadControlModel::loadId)),
      anyInput_(new QRadioButton(tr("移动鼠标或按任意键时退出(&M)"))),
      anyKey_(new QRadioButton(tr("按任意键时退出，忽略鼠标(&K)"))),
      escapeOnly_(new QRadioButton(tr("只在按 Esc 键时退出(&O)"))) {
    anyInput_->setObjectName("interruptOnAnyInput");
    anyKey_->setObjectName("interruptOnAnyKey");
    escapeOnly_->setObjectName("interruptOnEscape");
    ControlIds::assign(*anyInput_, CpuLoadControlModel::anyInputId);
    ControlIds::assign(*anyKey_, CpuLoadControlModel::anyKeyId);
    ControlIds::assign(*escapeOnly_, CpuLoadControlModel::escapeOnlyId);
    const int checked = model_.initialState().checkedRadio;
    for (QRadioButton* radio : {anyInput_, anyKey_, escapeOnly_}) {
        radio->setChecked(ControlIds::of(*radio) == checked);
    }
    load_->setWhatsThis(
        UiTexts::whatsThis("CpuLoadAndInterruptingOptionsControl", CpuLoadControlModel::loadId));
    anyInput_->setWhatsThis(UiTexts::whatsThis("CpuLoadAndInterruptingOptionsControl",
                                               CpuLoadControlModel::anyInputId));
    anyKey_->setWhatsThis(
        UiTexts::whatsThis("CpuLoadAndInterruptingOptionsControl", CpuLoadControlModel::anyKeyId));
    escapeOnly_->setWhatsThis(UiTexts::whatsThis("CpuLoadAndInterruptingOptionsControl",
                                                 CpuLoadControlModel::escapeOnlyId));

    auto* loadLabel = new QLabel(tr("最大处理器占用率(&P):"));
    loadLabel->setBuddy(load_);
    auto* percent = new QLabel;
    const auto showPercent = [percent](int value) { percent->setText(QString("%1%").arg(value)); };
    showPercent(load_->value());
    connect(load_, &QSlider::valueChanged, percent, showPercent);
    auto* interruption = new QGroupBox(tr("退出方式"));
    auto* radios = new QVBoxLayout(interruption);
    radios->addWidget(anyInput_);
    radios->addWidget(anyKey_);
    radios->addWidget(escapeOnly_);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(loadLabel, 0, 0);
    layout->addWidget(load_, 0, 1);
    layout->addWidget(percent, 0, 2);
    layout->addWidget(interruption, 1, 0, 1, 3);
}

void CpuLoadAndInterruptingOptionsControl::apply() {
    model_.apply({load_->value(), checkedRadio()});
}

int CpuLoadAndInterruptingOptionsControl::checkedRadio() const {
    for (const QRadioButton* radio : {anyInput_, anyKey_, escapeOnly_}) {
        if (radio->isChecked()) {
            return ControlIds::of(*radio);
        }
    }
    return 0;
}
