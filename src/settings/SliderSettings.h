#pragma once

// How a slider is set up: its range, the steps of the arrow keys (line) and of Page Up/Down,
// ticks every so many positions (0 for none), and where it starts.
struct SliderSettings {
    int minimum;
    int maximum;
    int lineSize;
    int pageSize;
    int tickEvery;
    int position;
};

// Add one half and truncate toward zero, as the pages round their step sizes.
inline int roundHalfUp(double value) {
    return static_cast<int>(value + 0.5);
}
