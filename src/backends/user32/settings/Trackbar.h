#pragma once

#include "settings/SliderSettings.h"

#include <windows.h>

namespace User32 {

// A common-control trackbar made in place of the placeholder control of dialog, with the
// placeholder's id, rectangle, font and place in the tab order; the placeholder is destroyed.
// Ticks are drawn every settings.tickEvery positions, or none when it is 0.
HWND createTrackbarOver(HWND dialog, int placeholderId, const SliderSettings& settings,
                        bool vertical = false);

int trackbarPosition(HWND trackbar);

} // namespace User32
