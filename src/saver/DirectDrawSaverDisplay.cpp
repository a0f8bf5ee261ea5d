#include "saver/DirectDrawSaverDisplay.h"

#include "display/DirectDrawDevice.h"
#include "display/SdlDisplayDevice.h"

void DirectDrawSaverDisplay::open(SDL_Window&) {
    static SdlDisplayDevice modes;
    DirectDrawDevice::openDevice();
    setCurrentDisplayDevice(&modes);
}

void DirectDrawSaverDisplay::shutDown() {
    setCurrentDisplayDevice(nullptr);
    if (DirectDrawDevice::exists()) {
        DirectDrawDevice::openDevice().restoreDisplayMode();
        DirectDrawDevice::releaseDevice();
    }
}
