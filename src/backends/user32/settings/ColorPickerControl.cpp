#include "backends/user32/settings/ColorPickerControl.h"

#include <commdlg.h>

namespace User32 {

ColorPickerControl& ColorPickerControl::createOver(HWND dialog, int placeholderId) {
    return ControlWindow::createOver(new ColorPickerControl, dialog, placeholderId, windowClass,
                                     L"", WS_VISIBLE);
}

void ColorPickerControl::setColour(COLORREF colour) {
    colour_ = colour;
    repaint();
}

bool ColorPickerControl::chooseColour() {
    // The chooser's own slots start white every time: custom colours are not kept.
    COLORREF customColours[16];
    for (COLORREF& slot : customColours) {
        slot = RGB(255, 255, 255);
    }
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = window();
    choice.rgbResult = colour_;
    choice.lpCustColors = customColours;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR | CC_ANYCOLOR;
    if (!ChooseColorW(&choice)) {
        return false;
    }
    setColour(choice.rgbResult);
    return true;
}

void ColorPickerControl::paint(HDC dc) {
    const SIZE size = clientSize();
    // A disabled sample shows no colour, as its colour does not count then.
    SetDCBrushColor(dc, IsWindowEnabled(window()) ? colour_ : GetSysColor(COLOR_BTNFACE));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, 0, 0, size.cx, size.cy);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

} // namespace User32
