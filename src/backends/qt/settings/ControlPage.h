#pragma once

#include "backends/qt/settings/PropertyPageBase.h"
#include "settings/ControlPageModel.h"

class CpuLoadAndInterruptingOptionsControl;
class ResetPeriodSpinBox;
class ScreensaverControlOptions;
class QCheckBox;
class QLabel;

// Processor share, the input that ends the saver, and the periodic reset of the picture.
class ControlPage : public PropertyPageBase {
    Q_OBJECT

public:
    ControlPage(IPropertyPageHost& host, ScreensaverControlOptions& options);

    void apply() override;
    bool validate() override;

private:
    ControlPageState state() const;
    void updateEnabling();

    ControlPageModel model_;
    QCheckBox* resetEnabled_;
    ResetPeriodSpinBox* resetPeriod_;
    QLabel* everyLabel_;
    QLabel* secondsLabel_;
    CpuLoadAndInterruptingOptionsControl* load_;
};
