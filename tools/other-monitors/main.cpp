// Covers the given monitors as the full-screen saver covers those outside its own display, for
// the check on a virtual X server, where SDL sees one display however the screen is split. It
// ends, and its savers with it, after SECONDS or on SIGTERM, whichever comes first.
//   other-monitors PROGRAM SECONDS X Y WIDTH HEIGHT [X Y WIDTH HEIGHT...]
#include "backends/x11/OtherMonitorSavers.h"

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 7 || (argc - 3) % 4 != 0) {
        std::cerr << "usage: other-monitors PROGRAM SECONDS X Y WIDTH HEIGHT...\n";
        return 2;
    }
    std::vector<Pixels::PixelRect> monitors;
    for (int index = 3; index + 3 < argc; index += 4) {
        monitors.push_back(
            Pixels::PixelRect::ofSize(std::atoi(argv[index]), std::atoi(argv[index + 1]),
                                      std::atoi(argv[index + 2]), std::atoi(argv[index + 3])));
    }
    {
        const X11::OtherMonitorSavers savers(monitors, argv[1],
                                             {"/s", "--no-sound", "--density", "50"});
        // Blocked only now: the savers would inherit the mask. The check sends SIGTERM long after
        // it has read "started".
        sigset_t termination;
        sigemptyset(&termination);
        sigaddset(&termination, SIGTERM);
        sigprocmask(SIG_BLOCK, &termination, nullptr);
        std::cout << "started " << savers.count() << std::endl;
        const timespec timeout{std::atoi(argv[2]), 0};
        sigtimedwait(&termination, nullptr, &timeout);
    }
    std::cout << "ended" << std::endl;
    return 0;
}
