#include "backends/user32/settings/CpuLoadAndInterruptingOptionsControl.h"

#include "backends/user32/settings/Trackbar.h"

namespace User32 {

namespace {

constexpr int radios[] = {CpuLoadControlModel::anyInputId, CpuLoadControlModel::anyKeyId,
                          CpuLoadControlModel::escapeOnlyId};

} // namespace

CpuLoadAndInterruptingOptionsControl::CpuLoadAndInterruptingOptionsControl(
    HWND page, int placeholderId, IScreensaverControlOptions& options)
    : model_(options) {
    create(templateName, "CpuLoadAndInterruptingOptionsControl", page, placeholderId);
}

void CpuLoadAndInterruptingOptionsControl::onInit() {
    load_ = createTrackbarOver(window(), CpuLoadControlModel::loadId, model_.loadSlider());
    check(model_.initialState().checkedRadio);
}

void CpuLoadAndInterruptingOptionsControl::apply() const {
    model_.apply({trackbarPosition(load_), checkedRadio()});
}

int CpuLoadAndInterruptingOptionsControl::checkedRadio() const {
    for (const int radio : radios) {
        if (isChecked(radio)) {
            return radio;
        }
    }
    // None checked counts as the last, as an unknown mode does.
    return CpuLoadControlModel::escapeOnlyId;
}

} // namespace User32
