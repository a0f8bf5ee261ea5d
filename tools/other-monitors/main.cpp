// Covers the given monitors as the full-screen saver covers those outside its own display, for
// the check on a virtual X server, where SDL sees one display however the screen is split.
//   other-monitors PROGRAM SECONDS X Y WIDTH HEIGHT [X Y WIDTH HEIGHT...]
#include "saver/OtherMonitorSavers.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

int main(int argc, char** argv) {
    if (argc < 7 || (argc - 3) % 4 != 0) {
        std::cerr << "usage: other-monitors PROGRAM SECONDS X Y WIDTH HEIGHT...\n";
        return 2;
    }
    std::vector<MonitorRect> monitors;
    for (int index = 3; index + 3 < argc; index += 4) {
        monitors.push_back({std::atoi(argv[index]), std::atoi(argv[index + 1]),
                            std::atoi(argv[index + 2]), std::atoi(argv[index + 3])});
    }
    {
        const OtherMonitorSavers savers(monitors, argv[1], {"/s", "--no-sound", "--density", "50"});
        std::cout << "started " << savers.count() << std::endl;
        std::this_thread::sleep_for(std::chrono::seconds(std::atoi(argv[2])));
    }
    std::cout << "ended" << std::endl;
    return 0;
}
