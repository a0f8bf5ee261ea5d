#include "platform/QuitSignalHandler.h"

#include <atomic>
#include <windows.h>

// Windows asks a program to end through its console (Ctrl+C, the console closing, the session
// ending). The system calls the handler on a thread of its own, so it only sets the flag that the
// message loop looks at.
namespace {

std::atomic<bool> signalled{false};
int installations = 0;

BOOL WINAPI noteQuitRequest(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        signalled.store(true);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

QuitSignalHandler::QuitSignalHandler() {
    signalled.store(false);
    if (installations++ == 0) {
        SetConsoleCtrlHandler(noteQuitRequest, TRUE);
    }
}

QuitSignalHandler::~QuitSignalHandler() {
    if (--installations == 0) {
        SetConsoleCtrlHandler(noteQuitRequest, FALSE);
    }
}

bool QuitSignalHandler::quitRequested() {
    return signalled.load();
}
