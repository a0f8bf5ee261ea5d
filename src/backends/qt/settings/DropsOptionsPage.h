#pragma once

#include "backends/qt/settings/PropertyPageBase.h"

class IDropSystemOptionsStorage;
class ScreenSaverOptionsStorage;
class QCheckBox;
class QSlider;
class WindDirectionControl;

// Density, ramp-up, drop sizes, wind and speed.
class DropsOptionsPage : public PropertyPageBase {
    Q_OBJECT

public:
    // The dial's limits: 5 and 175 degrees.
    static constexpr double lowestWindAngle = 0.0872665;
    static constexpr double highestWindAngle = 3.0543263;

    DropsOptionsPage(IPropertyPageHost& host, ScreenSaverOptionsStorage& options);

    void apply() override;
    bool validate() override;
    // Writes the controls as they stand into other drop settings, such as a preview's.
    void writeTo(IDropSystemOptionsStorage& target) const;

signals:
    // A control moved: what writeTo() writes has changed.
    void changed();

public:
    // The speed slider runs top = fast: position p stands for speed maxSpeed - 1 - p (the bound
    // itself is out of reach).
    static int speedPosition(int speed, int minSpeed, int maxSpeed);
    static int speedAt(int position, int minSpeed, int maxSpeed);

private:
    ScreenSaverOptionsStorage& options_;
    QSlider* density_;
    QCheckBox* rampUp_;
    QSlider* minRadius_;
    QSlider* maxRadius_;
    QSlider* windForce_;
    QSlider* speed_;
    WindDirectionControl* windAngle_;
};
