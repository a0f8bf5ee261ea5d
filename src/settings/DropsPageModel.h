#pragma once

#include "settings/SliderSettings.h"
#include "settings/ValidationFailure.h"

#include <cstdint>
#include <optional>

class IDropSystemOptionsStorage;

// What the Drops page's controls hold: slider positions, the check box and the dial's angle.
struct DropsPageState {
    int32_t density;
    bool densityRampUp;
    int32_t smallestRadius;
    int32_t largestRadius;
    int32_t windForce;
    float windAngle; // radians
    int32_t speedPosition;
};

// Density, ramp-up, drop sizes, wind and speed: how the options show on the page's controls,
// when the page may be left, and what it writes back.
class DropsPageModel {
public:
    static constexpr int densityId = 1016;
    static constexpr int densityRampUpId = 1033;
    static constexpr int smallestRadiusId = 1012;
    static constexpr int largestRadiusId = 1013;
    static constexpr int windForceId = 1014;
    static constexpr int windDirectionId = 1015;
    static constexpr int speedId = 1034;

    static constexpr uint32_t radiusMessage = 9;

    // The dial's limits: 5 and 175 degrees.
    static constexpr double lowestWindAngle = 0.0872665;
    static constexpr double highestWindAngle = 3.0543263;

    explicit DropsPageModel(IDropSystemOptionsStorage& options);

    DropsPageState initialState() const;
    SliderSettings densitySlider() const;
    SliderSettings smallestRadiusSlider() const;
    SliderSettings largestRadiusSlider() const;
    SliderSettings windForceSlider() const;
    // Vertical, with position 0 at the top: the fastest rain.
    SliderSettings speedSlider() const;
    static int firstFocus() { return densityId; }

    // The largest radius may not be smaller than the smallest.
    std::optional<ValidationFailure> validate(const DropsPageState& state) const;
    void apply(const DropsPageState& state) const;
    // Writes the controls as they stand into other drop settings, such as a preview's.
    static void writeTo(const DropsPageState& state, IDropSystemOptionsStorage& target);

    // The speed slider runs top = fast: position p stands for speed maxSpeed - 1 - p (the bound
    // itself is out of reach).
    static int speedPosition(int speed, int minSpeed, int maxSpeed);
    static int speedAt(int position, int minSpeed, int maxSpeed);

private:
    SliderSettings radiusSlider(int position) const;

    IDropSystemOptionsStorage& options_;
};
