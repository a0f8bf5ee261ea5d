#pragma once

#include "backends/qt/settings/PropertyPageBase.h"
#include "settings/DropsPageModel.h"

class IDropSystemOptionsStorage;
class ScreenSaverOptionsStorage;
class QCheckBox;
class QSlider;
class WindDirectionControl;

// Density, ramp-up, drop sizes, wind and speed.
class DropsOptionsPage : public PropertyPageBase {
    Q_OBJECT

public:
    static constexpr double lowestWindAngle = DropsPageModel::lowestWindAngle;
    static constexpr double highestWindAngle = DropsPageModel::highestWindAngle;

    DropsOptionsPage(IPropertyPageHost& host, ScreenSaverOptionsStorage& options);

    void apply() override;
    bool validate() override;
    // Writes the controls as they stand into other drop settings, such as a preview's.
    void writeTo(IDropSystemOptionsStorage& target) const;

signals:
    // A control moved: what writeTo() writes has changed.
    void changed();

private:
    DropsPageState state() const;

    DropsPageModel model_;
    QSlider* density_;
    QCheckBox* rampUp_;
    QSlider* minRadius_;
    QSlider* maxRadius_;
    QSlider* windForce_;
    QSlider* speed_;
    WindDirectionControl* windAngle_;
};
