#pragma once

#include "backends/user32/settings/ControlWindow.h"

namespace User32 {

// A sample of a colour, outlined in black; the page's button next to it calls chooseColour().
class ColorPickerControl : public ControlWindow {
public:
    static constexpr const wchar_t* windowClass = L"Color Picker Control";

    static ColorPickerControl& createOver(HWND dialog, int placeholderId);

    COLORREF colour() const { return colour_; }
    void setColour(COLORREF colour);
    // The system's colour chooser, starting at the sample's colour; true, with the sample
    // showing the choice, when the user confirms one.
    bool chooseColour();

protected:
    void paint(HDC dc) override;

private:
    ColorPickerControl() = default;

    COLORREF colour_ = RGB(0, 0, 0);
};

} // namespace User32
