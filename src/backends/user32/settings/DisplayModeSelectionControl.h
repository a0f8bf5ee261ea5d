#pragma once

#include "backends/user32/settings/EmbeddedDialog.h"
#include "settings/DisplayModeChoiceModel.h"

class IDisplayModeSelectionModel;

namespace User32 {

// The display mode of the full-screen saver: the desktop's own, or one from a drop-down list of
// the modes the display offers, which can be used only while its radio button is checked.
class DisplayModeSelectionControl : public EmbeddedDialog {
public:
    static constexpr const wchar_t* templateName = L"IDD_DISPLAY_MODE_SELECTION";

    DisplayModeSelectionControl(HWND page, int placeholderId, IDisplayModeSelectionModel& model);

    // False, after saying so and focusing the list, when a mode from the list is asked for and
    // none is selected.
    bool validate() const;
    void apply() const;

protected:
    void onInit() override;
    void onCommand(int controlId, int notification) override;

private:
    DisplayModeChoiceState state() const;
    void fillList() const;
    void updateEnabling() const;

    DisplayModeChoiceModel model_;
};

} // namespace User32
