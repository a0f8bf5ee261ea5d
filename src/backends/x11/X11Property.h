#pragma once

#include <X11/Xlib.h>

namespace X11 {

// The one 32-bit word a window's property of the given type holds (a window, a pixmap), or None
// when the window has no such property or is gone.
unsigned long propertyWord(Display* display, Window window, Atom property, Atom type);

} // namespace X11
