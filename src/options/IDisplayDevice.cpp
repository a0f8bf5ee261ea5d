#include "options/IDisplayDevice.h"

namespace {

// Set and read on the main thread only.
IDisplayDevice* installedDevice = nullptr;

} // namespace

IDisplayDevice& currentDisplayDevice() {
    return installedDevice != nullptr ? *installedDevice : platformDisplayDevice();
}

void setCurrentDisplayDevice(IDisplayDevice* device) {
    installedDevice = device;
}
