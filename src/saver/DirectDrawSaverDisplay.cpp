#include "saver/DirectDrawSaverDisplay.h"

#include "display/DirectDrawDevice.h"

void DirectDrawSaverDisplay::open(SDL_Window&) {
    DirectDrawDevice::openDevice();
}

void DirectDrawSaverDisplay::shutDown() {
    if (DirectDrawDevice::exists()) {
        DirectDrawDevice::openDevice().restoreDisplayMode();
        DirectDrawDevice::releaseDevice();
    }
}
