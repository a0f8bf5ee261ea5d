#include "backends/x11/X11Property.h"

namespace X11 {

unsigned long propertyWord(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    unsigned long word = None;
    if (XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType, &format,
                           &count, &remaining, &data) == Success &&
        actualType == type && format == 32 && count == 1) {
        word = *reinterpret_cast<unsigned long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return word;
}

} // namespace X11
