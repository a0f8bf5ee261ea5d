#pragma once

#include "backends/user32/settings/ControlWindow.h"

#include <numbers>

namespace User32 {

// The wind's direction as an arrow hanging from the middle of the top edge: 90 degrees points
// straight down, larger angles down and to the right. A press or drag sets the angle, the arrow
// keys turn it a degree at a time (Page Up/Down by ten), always within the limits. Each change
// is told to the page as WM_COMMAND with the control's id and code 0.
class WindDirectionControl : public ControlWindow {
public:
    static constexpr const wchar_t* windowClass = L"Wind Direction Control";
    static constexpr float startAngle = 2.3561945f; // 3π/4

    static WindDirectionControl& createOver(HWND dialog, int placeholderId);

    float angle() const { return angle_; }
    void setAngle(float radians);
    void setLimits(double lowest, double highest);

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc) override;

private:
    WindDirectionControl() = default;

    POINT pivot() const;
    float angleAt(POINT position) const;
    POINT arrowPoint(double x, double y) const;
    void drawArrow(HDC dc, int longest) const;
    void follow(LPARAM position);
    void turnBy(double degrees);
    // The arrow keys turn by a degree, Page Up and Down by ten; false for other keys.
    bool turnByKey(WPARAM key);

    float angle_ = startAngle;
    double lowest_ = 0.0;
    double highest_ = std::numbers::pi;
};

} // namespace User32
