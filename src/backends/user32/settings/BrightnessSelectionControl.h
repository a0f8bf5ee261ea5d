#pragma once

#include "backends/user32/settings/ControlWindow.h"

#include <cstdint>

namespace User32 {

// A brightness from 0 to 255 chosen on a strip that runs from black to white, with a marker
// under the chosen column. A press starts tracking the pointer; the release or Esc ends it,
// keeping the value reached. The arrow keys move it by one. Each change is told to the page as
// WM_COMMAND with the control's id and code 0.
class BrightnessSelectionControl : public ControlWindow {
public:
    static constexpr const wchar_t* windowClass = L"Brightness Selection Control";
    static constexpr int markerIcon = 149;

    static BrightnessSelectionControl& createOver(HWND dialog, int placeholderId);

    uint8_t value() const { return value_; }
    void setValue(uint8_t value);

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint(HDC dc) override;

private:
    BrightnessSelectionControl();
    ~BrightnessSelectionControl() override;

    RECT gradientArea() const;
    uint8_t valueAt(int x) const;
    void drawGradient(HDC dc, const RECT& area) const;
    void drawMarker(HDC dc, const RECT& area) const;
    void startTracking();
    void endTracking();
    bool stepByKey(WPARAM key);

    uint8_t value_ = 0;
    bool tracking_ = false;
    HICON marker_;
};

} // namespace User32
