#include "backends/directx/ProgramWindow.h"

namespace DSound {

namespace {

BOOL CALLBACK takeIfOurs(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != nullptr) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

} // namespace

HWND programWindow() {
    HWND found = nullptr;
    EnumWindows(takeIfOurs, reinterpret_cast<LPARAM>(&found));
    return found != nullptr ? found : GetDesktopWindow();
}

} // namespace DSound
