#pragma once

#include <X11/Xlib.h>

// Where a saver daemon puts the desktop picture for its programs, as a pixmap on their window
// (or on the root window).
inline constexpr const char* screenshotProperty = "_SCREENSAVER_SCREENSHOT";

// The one 32-bit word a window's property of the given type holds (a window, a pixmap), or None
// when the window has no such property or is gone.
unsigned long propertyWord(Display* display, Window window, Atom property, Atom type);
