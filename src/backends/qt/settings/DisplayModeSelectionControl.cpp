#include "backends/qt/settings/DisplayModeSelectionControl.h"

#include "backends/qt/settings/UiTexts.h"
#include "options/IDisplayModeSelectionModel.h"

#include <QComboBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr uint32_t noModeMessage = 7001;

} // namespace

DisplayModeSelectionControl::DisplayModeSelectionControl(QWidget* parent,
                                                         IDisplayModeSelectionModel& model)
    : QWidget(parent), model_(model), current_(new QRadioButton(tr("使用当前的显示模式(&C)"))),
      listed_(new QRadioButton(tr("使用下列指定的模式(&S)"))), modes_(new QComboBox) {
    current_->setObjectName("useCurrentMode");
    listed_->setObjectName("useListedMode");
    modes_->setObjectName("modes");
    const IDisplayModeDescription* selected = model.selectedMode();
    for (const IDisplayModeDescription* mode : model.availableModes()) {
        modes_->addItem(QString::fromStdString(mode->text()),
                        QVariant::fromValue(static_cast<const void*>(mode)));
        if (mode == selected) {
            modes_->setCurrentIndex(modes_->count() - 1);
        }
    }
    if (selected == nullptr) {
        modes_->setCurrentIndex(-1);
    }
    (model.useCurrentMode() ? current_ : listed_)->setChecked(true);
    current_->setWhatsThis(tr("保持桌面现在的分辨率和颜色数。"));
    listed_->setWhatsThis(tr("屏幕保护程序运行时切换到下面列表中选定的显示模式。"));
    modes_->setWhatsThis(tr("显示器提供的显示模式。"));
    connect(current_, &QRadioButton::clicked, this, &DisplayModeSelectionControl::updateEnabling);
    connect(listed_, &QRadioButton::clicked, this, &DisplayModeSelectionControl::updateEnabling);
    updateEnabling();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(current_);
    layout->addWidget(listed_);
    layout->addWidget(modes_);
}

bool DisplayModeSelectionControl::validate() {
    if (current_->isChecked() || modes_->currentIndex() >= 0) {
        return true;
    }
    modes_->setFocus();
    QMessageBox::critical(window(), UiTexts::applicationTitle(), UiTexts::string(noModeMessage));
    return false;
}

void DisplayModeSelectionControl::apply() {
    model_.setUseCurrentMode(current_->isChecked());
    if (listed_->isChecked()) {
        model_.selectMode(static_cast<const IDisplayModeDescription*>(
            modes_->currentData().value<const void*>()));
    }
}

void DisplayModeSelectionControl::updateEnabling() {
    modes_->setEnabled(listed_->isChecked());
}
