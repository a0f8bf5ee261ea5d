#pragma once

#include "settings/CpuLoadControlModel.h"

#include <QWidget>

class IScreensaverControlOptions;
class QRadioButton;
class QSlider;

// The saver's share of processor time and the input that ends it.
class CpuLoadAndInterruptingOptionsControl : public QWidget {
    Q_OBJECT

public:
    CpuLoadAndInterruptingOptionsControl(QWidget* parent, IScreensaverControlOptions& options);

    bool validate() const { return model_.validate(); }
    void apply();

private:
    int checkedRadio() const;

    CpuLoadControlModel model_;
    QSlider* load_;
    QRadioButton* anyInput_;
    QRadioButton* anyKey_;
    QRadioButton* escapeOnly_;
};
