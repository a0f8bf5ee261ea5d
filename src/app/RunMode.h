#pragma once

#include <cstdint>

// What the program does once started; the values are those the launcher has always used.
enum class RunMode : int32_t {
    Saver = 0,             // the rain full screen (or in a window of its own)
    Preview = 1,           // the drops inside a foreign parent window
    Settings = 2,          // the settings sheet; also what a bare start opens
    UninstallHandOver = 3, // first process of the uninstall: starts a temporary copy
    Uninstall = 4,         // the temporary copy: waits for the first process, then uninstalls
};
