#pragma once

#include <windows.h>

class ScreenSaverOptionsStorage;

namespace User32 {

// The settings of the saver in their six pages, editing the options in place, over the window
// that asked for them (or none). Returns when the sheet is closed; nothing is stored here.
void runSettingsPages(HWND owner, ScreenSaverOptionsStorage& options, bool soundAvailable);

} // namespace User32
