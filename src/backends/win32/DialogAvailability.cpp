#include "errors/DialogAvailability.h"

#include <windows.h>

namespace ErrorDialogs {

// A window of the system's own can always be made; only the process's first thread runs the
// message loop the dialog needs.
bool canShow() {
    static const DWORD mainThread = GetCurrentThreadId();
    return GetCurrentThreadId() == mainThread;
}

} // namespace ErrorDialogs
