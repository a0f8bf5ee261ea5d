#pragma once

#include "backends/qt/settings/PropertyPageBase.h"

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
    void updateEnabling();

    ScreensaverControlOptions& options_;
    QCheckBox* resetEnabled_;
    ResetPeriodSpinBox* resetPeriod_;
    QLabel* everyLabel_;
    QLabel* secondsLabel_;
    CpuLoadAndInterruptingOptionsControl* load_;
};
