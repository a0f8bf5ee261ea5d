#include "display/IDisplayDevice.h"

#include "display/SdlDisplayDevice.h"

namespace {

// Set and read on the main thread only.
IDisplayDevice* installedDevice = nullptr;

} // namespace

IDisplayDevice& currentDisplayDevice() {
    // The primary output's display, where a chosen mode is set.
    static SdlDisplayDevice platformDisplay(0);
    return installedDevice != nullptr ? *installedDevice : platformDisplay;
}

void setCurrentDisplayDevice(IDisplayDevice* device) {
    installedDevice = device;
}
