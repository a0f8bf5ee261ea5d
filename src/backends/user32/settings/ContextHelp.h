#pragma once

#include <windows.h>

// The What's This help of the settings' controls: F1 on a control, or the "?" button and then a
// click on it, shows what the control is for in a small window beside it.
namespace ContextHelp {

// The controls of window (a page, a dialog or an embedded control) find their help under part.
void belongsTo(HWND window, const char* part);
// Shows the help of the control the system asked about; false when it has none.
bool show(const HELPINFO& request);
// The settings' guide, which the sheet's Help button opens.
void showGuide(HWND owner);

} // namespace ContextHelp
