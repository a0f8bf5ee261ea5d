#pragma once

#include "display/IDisplayDevice.h"

// The modes of one display as SDL lists them. Four-byte formats are reported as 32 bits per
// pixel, as the mode model expects.
class SdlDisplayDevice : public IDisplayDevice {
public:
    explicit SdlDisplayDevice(int displayIndex = 0) : displayIndex_(displayIndex) {}

    // Opens the process-wide display device first; its errors and SDL's (DX5::Error) leave here.
    void enumerateModes(RefreshRates rates, const ModeVisitor& visit) override;

private:
    int displayIndex_;
};
