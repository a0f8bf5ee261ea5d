#include "backends/user32/settings/ControlPage.h"

#include "backends/user32/settings/CpuLoadAndInterruptingOptionsControl.h"
#include "options/ScreensaverControlOptions.h"

#include <commctrl.h>
#include <vector>

namespace User32 {

ControlPage::ControlPage(HWND window, ScreensaverControlOptions& options)
    : PropertyPage(window), model_(options),
      cpuLoad_(std::make_unique<CpuLoadAndInterruptingOptionsControl>(
          window, ControlPageModel::cpuLoadPlaceholderId, options)) {
    setChecked(ControlPageModel::resetEnabledId, model_.initialState().resetEnabled);
    setUpResetPeriod();
    updatePeriodControls();
}

ControlPage::~ControlPage() = default;

// The arrows alone change the period: the edit only shows it.
void ControlPage::setUpResetPeriod() {
    HWND spin = item(ControlPageModel::resetPeriodSpinId);
    SendMessageW(spin, UDM_SETBUDDY,
                 reinterpret_cast<WPARAM>(item(ControlPageModel::resetPeriodEditId)), 0);
    const SpinSettings settings = model_.resetPeriodSpin();
    SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(settings.minimum),
                 static_cast<LPARAM>(settings.maximum));
    SendMessageW(spin, UDM_SETPOS32, 0, static_cast<LPARAM>(settings.position));
    std::vector<UDACCEL> steps;
    for (const SpinAcceleration& row : ControlPageModel::resetPeriodAcceleration) {
        steps.push_back({static_cast<UINT>(row.afterSeconds), static_cast<UINT>(row.step)});
    }
    SendMessageW(spin, UDM_SETACCEL, steps.size(), reinterpret_cast<LPARAM>(steps.data()));
}

void ControlPage::updatePeriodControls() {
    const bool enabled =
        ControlPageModel::periodEnabled({isChecked(ControlPageModel::resetEnabledId), 0});
    for (const int id : {ControlPageModel::resetPeriodEditId, ControlPageModel::resetPeriodSpinId,
                         ControlPageModel::periodLabelId, ControlPageModel::secondsLabelId}) {
        enable(id, enabled);
    }
}

void ControlPage::onCommand(int controlId, int notification) {
    if (controlId == ControlPageModel::resetEnabledId && notification == BN_CLICKED) {
        updatePeriodControls();
    }
}

// The period's edit is read-only, which would draw it in the dialog's colour; it is drawn as
// an edit that holds a value instead.
HBRUSH ControlPage::colourFor(HWND control, HDC context) {
    if (control != item(ControlPageModel::resetPeriodEditId)) {
        return nullptr;
    }
    SetBkColor(context, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

bool ControlPage::validate() {
    return cpuLoad_->validate();
}

void ControlPage::apply() {
    const auto position = static_cast<int32_t>(
        SendMessageW(item(ControlPageModel::resetPeriodSpinId), UDM_GETPOS32, 0, 0));
    model_.apply({isChecked(ControlPageModel::resetEnabledId), position});
    cpuLoad_->apply();
}

} // namespace User32
