#pragma once

#include "options/IDisplayDevice.h"

namespace Sdl {

// The modes of one display as SDL lists them. Four-byte formats are reported as 32 bits per
// pixel, as the mode model expects.
class SdlDisplayDevice : public IDisplayDevice {
public:
    explicit SdlDisplayDevice(int displayIndex = 0) : displayIndex_(displayIndex) {}

    // Holds SDL's video for as long as it asks, so that a run that shows no saver (the settings)
    // does not keep the display open. DX5::NoDirectX5Error when no display can be opened, and
    // SDL's failures (DX5::Error), leave here.
    void enumerateModes(RefreshRates rates, const ModeVisitor& visit) override;

private:
    int displayIndex_;
};

} // namespace Sdl
