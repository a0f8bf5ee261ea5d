#pragma once

#include <QDialog>

class ILightningOptionsStorage;
class ColorPickerControl;
class QPushButton;
class QRadioButton;

// The bolts' colour: random, or one chosen. OK writes into the options at once.
class LightningBoltsOptionsDialog : public QDialog {
    Q_OBJECT

public:
    LightningBoltsOptionsDialog(QWidget* parent, ILightningOptionsStorage& options);

    void accept() override;

private:
    void updateEnabling();

    ILightningOptionsStorage& options_;
    ColorPickerControl* sample_;
    QRadioButton* random_;
    QRadioButton* chosen_;
    QPushButton* change_;
};
