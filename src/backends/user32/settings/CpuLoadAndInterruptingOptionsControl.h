#pragma once

#include "backends/user32/settings/EmbeddedDialog.h"
#include "settings/CpuLoadControlModel.h"

class IScreensaverControlOptions;

namespace User32 {

// The saver's share of processor time (a slider in percent) and the input that ends it (three
// radio buttons), embedded in the Control page.
class CpuLoadAndInterruptingOptionsControl : public EmbeddedDialog {
public:
    static constexpr const wchar_t* templateName = L"IDD_CPU_LOAD_AND_INTERRUPTING";

    CpuLoadAndInterruptingOptionsControl(HWND page, int placeholderId,
                                         IScreensaverControlOptions& options);

    bool validate() const { return model_.validate(); }
    void apply() const;

protected:
    void onInit() override;

private:
    int checkedRadio() const;

    CpuLoadControlModel model_;
    HWND load_ = nullptr;
};

} // namespace User32
