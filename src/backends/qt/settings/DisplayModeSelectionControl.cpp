#include "backends/qt/settings/DisplayModeSelectionControl.h"

#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/UiTexts.h"
#include "backends/qt/settings/ValidationMessage.h"

#include <QComboBox>
#include <QRadioButton>
#include <QVBoxLayout>

DisplayModeSelectionControl::DisplayModeSelectionControl(QWidget* parent,
                                                         IDisplayModeSelectionModel& model)
    : QWidget(parent), model_(model), current_(new QRadioButton(tr("使用当前的显示模式(&C)"))),
      listed_(new QRadioButton(tr("使用下列指定的模式(&S)"))), modes_(new QComboBox) {
    current_->setObjectName("useCurrentMode");
    listed_->setObjectName("useListedMode");
    modes_->setObjectName("modes");
    ControlIds::assign(*current_, DisplayModeChoiceModel::currentModeId);
    ControlIds::assign(*listed_, DisplayModeChoiceModel::listedModeId);
    ControlIds::assign(*modes_, DisplayModeChoiceModel::modeListId);
    for (const std::string& caption : model_.entries()) {
        modes_->addItem(QString::fromStdString(caption));
    }
    const DisplayModeChoiceState initial = model_.initialState();
    modes_->setCurrentIndex(initial.selectedEntry);
    (initial.useCurrentMode ? current_ : listed_)->setChecked(true);
    current_->setWhatsThis(
        UiTexts::whatsThis("DisplayModeSelectionControl", DisplayModeChoiceModel::currentModeId));
    listed_->setWhatsThis(
        UiTexts::whatsThis("DisplayModeSelectionControl", DisplayModeChoiceModel::listedModeId));
    modes_->setWhatsThis(
        UiTexts::whatsThis("DisplayModeSelectionControl", DisplayModeChoiceModel::modeListId));
    connect(current_, &QRadioButton::clicked, this, &DisplayModeSelectionControl::updateEnabling);
    connect(listed_, &QRadioButton::clicked, this, &DisplayModeSelectionControl::updateEnabling);
    updateEnabling();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(current_);
    layout->addWidget(listed_);
    layout->addWidget(modes_);
}

DisplayModeChoiceState DisplayModeSelectionControl::state() const {
    return {current_->isChecked(), modes_->currentIndex()};
}

bool DisplayModeSelectionControl::validate() {
    if (const auto failure = model_.validate(state())) {
        ControlIds::focus(*this, failure->focusControl);
        showValidationFailure(window(), *failure);
        return false;
    }
    return true;
}

void DisplayModeSelectionControl::apply() {
    model_.apply(state());
}

void DisplayModeSelectionControl::updateEnabling() {
    modes_->setEnabled(DisplayModeChoiceModel::listEnabled(state()));
}
