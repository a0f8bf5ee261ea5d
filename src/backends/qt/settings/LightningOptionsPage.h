#pragma once

#include "backends/qt/settings/PropertyPageBase.h"
#include "settings/LightningPageModel.h"

class ILightningOptionsStorage;
class QCheckBox;
class QPushButton;
class QSlider;

// Bolts and flashes on or off, the pauses between bolts, and the two detail dialogs.
class LightningOptionsPage : public PropertyPageBase {
    Q_OBJECT

public:
    LightningOptionsPage(IPropertyPageHost& host, ILightningOptionsStorage& options);

    void apply() override;
    bool validate() override;

private:
    LightningPageState state() const;
    void updateEnabling();
    void editBolts();
    void editFlashes();

    ILightningOptionsStorage& options_;
    LightningPageModel model_;
    QSlider* minInterval_;
    QSlider* maxInterval_;
    QCheckBox* bolts_;
    QCheckBox* flashes_;
    QPushButton* boltDetails_;
    QPushButton* flashDetails_;
};
