#pragma once

#include "settings/DisplayModeChoiceModel.h"

#include <QWidget>

class IDisplayModeSelectionModel;
class QComboBox;
class QRadioButton;

// The display mode of the full-screen saver: the desktop's own, or one from the list.
class DisplayModeSelectionControl : public QWidget {
    Q_OBJECT

public:
    DisplayModeSelectionControl(QWidget* parent, IDisplayModeSelectionModel& model);

    // False, after saying so, when a mode from the list is asked for and none is selected.
    bool validate();
    void apply();

private:
    DisplayModeChoiceState state() const;
    void updateEnabling();

    DisplayModeChoiceModel model_;
    QRadioButton* current_;
    QRadioButton* listed_;
    QComboBox* modes_;
};
