#include "backends/directx/DirectDrawDisplayDevice.h"

#include <ddraw.h>

namespace DDraw {

namespace {

class DirectDraw {
public:
    DirectDraw() {
        IDirectDraw* first = nullptr;
        if (DirectDrawCreate(nullptr, &first, nullptr) != DD_OK) {
            return;
        }
        void* second = nullptr;
        if (first->QueryInterface(IID_IDirectDraw2, &second) == DD_OK) {
            object_ = static_cast<IDirectDraw2*>(second);
        }
        first->Release();
    }
    ~DirectDraw() {
        if (object_ != nullptr) {
            object_->Release();
        }
    }
    DirectDraw(const DirectDraw&) = delete;
    DirectDraw& operator=(const DirectDraw&) = delete;

    IDirectDraw2* get() const { return object_; }

private:
    IDirectDraw2* object_ = nullptr;
};

HRESULT WINAPI visitMode(DDSURFACEDESC* description, void* context) {
    IDisplayDevice::Mode mode;
    mode.bitsPerPixel = static_cast<int32_t>(description->ddpfPixelFormat.dwRGBBitCount);
    mode.width = static_cast<int32_t>(description->dwWidth);
    mode.height = static_cast<int32_t>(description->dwHeight);
    mode.refreshRate = static_cast<int32_t>(description->dwRefreshRate);
    (*static_cast<const IDisplayDevice::ModeVisitor*>(context))(mode);
    return DDENUMRET_OK;
}

} // namespace

// Without DirectDraw there are no modes to choose from; the saver says so when it starts.
void DirectDrawDisplayDevice::enumerateModes(RefreshRates rates, const ModeVisitor& visit) {
    const DirectDraw directDraw;
    if (directDraw.get() == nullptr) {
        return;
    }
    const DWORD flags = rates == RefreshRates::Listed ? DDEDM_REFRESHRATES : 0;
    directDraw.get()->EnumDisplayModes(flags, nullptr, const_cast<ModeVisitor*>(&visit), visitMode);
}

} // namespace DDraw

IDisplayDevice& platformDisplayDevice() {
    static DDraw::DirectDrawDisplayDevice device;
    return device;
}
