#pragma once

// While an object of this class lives, SIGINT, SIGTERM and SIGHUP ask the saver to end instead of
// killing it, so that the display mode and the cursor are given back. The handler only sets a flag
// that the message loop looks at.
class QuitSignalHandler {
public:
    // Installs the handlers (the first object does; later ones share them) and forgets any earlier
    // request.
    QuitSignalHandler();
    // The last object puts back the handlers that were there before.
    ~QuitSignalHandler();
    QuitSignalHandler(const QuitSignalHandler&) = delete;
    QuitSignalHandler& operator=(const QuitSignalHandler&) = delete;

    static bool quitRequested();
};
