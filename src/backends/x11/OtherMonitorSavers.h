#pragma once

#include "backends/x11/MonitorLayout.h"

#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

namespace X11 {

// A full-screen window covers one output; a display mode chosen for it leaves the monitors of
// the other outputs in theirs. Each of those gets a window of its own, and a saver of its own
// drawing there as in a saver daemon's window, over the desktop as it was before: this program
// again, started with the same settings and the window's id. They end when this object goes,
// and with the windows when this process ends in any other way.
class OtherMonitorSavers {
public:
    // The monitors that share no pixel with the covered area, in the order listed.
    static std::vector<Pixels::PixelRect> outside(const std::vector<Pixels::PixelRect>& monitors,
                                                  const Pixels::PixelRect& covered);
    // The arguments of one saver: this run's own, silenced, then the window.
    static std::vector<std::string> saverArguments(const std::vector<std::string>& ownArguments,
                                                   unsigned long window);

    // This program and the words it was started with, after its name.
    static std::string thisProgram();
    static std::vector<std::string> thisRunsArguments();

    // Starts program with arguments and the window's id for each monitor; nothing when monitors
    // is empty or no display can be reached.
    OtherMonitorSavers(const std::vector<Pixels::PixelRect>& monitors,
                       std::string program = thisProgram(),
                       std::vector<std::string> arguments = thisRunsArguments());
    ~OtherMonitorSavers();
    OtherMonitorSavers(const OtherMonitorSavers&) = delete;
    OtherMonitorSavers& operator=(const OtherMonitorSavers&) = delete;

    std::size_t count() const { return savers_.size(); }

private:
    void coverWithSaver(const Pixels::PixelRect& monitor);

    std::string program_;
    std::vector<std::string> arguments_;
    _XDisplay* display_ = nullptr;
    unsigned long screenshot_ = 0;
    std::vector<unsigned long> windows_;
    std::vector<pid_t> savers_;
};

} // namespace X11
