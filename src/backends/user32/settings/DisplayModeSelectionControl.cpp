#include "backends/user32/settings/DisplayModeSelectionControl.h"

#include "backends/user32/settings/PropertyPage.h"
#include "backends/win32/WideText.h"

namespace User32 {

DisplayModeSelectionControl::DisplayModeSelectionControl(HWND page, int placeholderId,
                                                         IDisplayModeSelectionModel& model)
    : model_(model) {
    create(templateName, "DisplayModeSelectionControl", page, placeholderId);
}

void DisplayModeSelectionControl::onInit() {
    fillList();
    const DisplayModeChoiceState initial = model_.initialState();
    SendMessageW(item(DisplayModeChoiceModel::modeListId), CB_SETCURSEL,
                 static_cast<WPARAM>(initial.selectedEntry), 0);
    check(initial.useCurrentMode ? DisplayModeChoiceModel::currentModeId
                                 : DisplayModeChoiceModel::listedModeId);
    updateEnabling();
}

// The entries keep the model's order, which the model's indices of them rely on.
void DisplayModeSelectionControl::fillList() const {
    HWND list = item(DisplayModeChoiceModel::modeListId);
    for (const std::string& caption : model_.entries()) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Win32::wide(caption).c_str()));
    }
}

void DisplayModeSelectionControl::onCommand(int controlId, int notification) {
    const bool radio = controlId == DisplayModeChoiceModel::currentModeId ||
                       controlId == DisplayModeChoiceModel::listedModeId;
    if (radio && notification == BN_CLICKED) {
        updateEnabling();
    }
}

DisplayModeChoiceState DisplayModeSelectionControl::state() const {
    const auto selected =
        SendMessageW(item(DisplayModeChoiceModel::modeListId), CB_GETCURSEL, 0, 0);
    return {isChecked(DisplayModeChoiceModel::currentModeId),
            selected == CB_ERR ? DisplayModeChoiceModel::noEntry : static_cast<int>(selected)};
}

void DisplayModeSelectionControl::updateEnabling() const {
    EnableWindow(item(DisplayModeChoiceModel::modeListId),
                 DisplayModeChoiceModel::listEnabled(state()));
}

bool DisplayModeSelectionControl::validate() const {
    if (const auto failure = model_.validate(state())) {
        showValidationFailure(window(), *failure);
        return false;
    }
    return true;
}

void DisplayModeSelectionControl::apply() const {
    model_.apply(state());
}

} // namespace User32
