#pragma once

#include <windows.h>

namespace DSound {

// The window the program's sound belongs to: the program's own visible top-level window that no
// other window owns, or the desktop while the program shows none.
HWND programWindow();

} // namespace DSound
