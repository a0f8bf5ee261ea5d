#pragma once

#include "options/IDisplayDevice.h"

namespace DDraw {

// The primary display's modes as DirectDraw lists them. DirectDraw is asked afresh for every
// enumeration and let go again, so that the settings hold no display object while they are open.
class DirectDrawDisplayDevice : public IDisplayDevice {
public:
    void enumerateModes(RefreshRates rates, const ModeVisitor& visit) override;
};

} // namespace DDraw
