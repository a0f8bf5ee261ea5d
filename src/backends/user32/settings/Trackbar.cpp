#include "backends/user32/settings/Trackbar.h"

#include "backends/user32/settings/PlaceholderWindow.h"

#include <commctrl.h>

namespace User32 {

namespace {

DWORD trackbarStyle(const SliderSettings& settings, bool vertical) {
    const DWORD ticks = settings.tickEvery > 0 ? TBS_AUTOTICKS : TBS_NOTICKS;
    const DWORD orientation = vertical ? TBS_VERT | TBS_RIGHT : TBS_HORZ | TBS_BOTTOM;
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP | ticks | orientation;
}

} // namespace

HWND createTrackbarOver(HWND dialog, int placeholderId, const SliderSettings& settings,
                        bool vertical) {
    // The trackbar class is registered by the common controls only once asked for.
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    HWND trackbar = PlaceholderWindow::replace(dialog, placeholderId, TRACKBAR_CLASSW, L"",
                                               trackbarStyle(settings, vertical), nullptr);
    SendMessageW(trackbar, TBM_SETRANGEMIN, FALSE, settings.minimum);
    SendMessageW(trackbar, TBM_SETRANGEMAX, FALSE, settings.maximum);
    SendMessageW(trackbar, TBM_SETLINESIZE, 0, settings.lineSize);
    SendMessageW(trackbar, TBM_SETPAGESIZE, 0, settings.pageSize);
    if (settings.tickEvery > 0) {
        SendMessageW(trackbar, TBM_SETTICFREQ, static_cast<WPARAM>(settings.tickEvery), 0);
    }
    SendMessageW(trackbar, TBM_SETPOS, TRUE, settings.position);
    return trackbar;
}

int trackbarPosition(HWND trackbar) {
    return static_cast<int>(SendMessageW(trackbar, TBM_GETPOS, 0, 0));
}

} // namespace User32
