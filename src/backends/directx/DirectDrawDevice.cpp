#include "backends/directx/DirectDrawDevice.h"

#include "backends/directx/FlipChainPresenter.h"
#include "backends/directx/PixelFormatOf.h"
#include "backends/directx/QueryInterface.h"
#include "display/DX5Error.h"

#include <ddraw.h>
#include <string>

namespace DDraw {

using Microsoft::WRL::ComPtr;

namespace {

std::unique_ptr<DirectDrawDevice>& processDevice() {
    static std::unique_ptr<DirectDrawDevice> device;
    return device;
}

void check(HRESULT result) {
    if (FAILED(result)) {
        throw DX5::Error(static_cast<int32_t>(result));
    }
}

std::string hexCode(HRESULT result) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
    return text;
}

ComPtr<IDirectDraw2> createDirectDraw() {
    ComPtr<IDirectDraw2> directDraw;
    const HRESULT created = CoCreateInstance(CLSID_DirectDraw, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IDirectDraw2, &directDraw);
    if (FAILED(created)) {
        throw DX5::NoDirectX5Error("CoCreateInstance " + hexCode(created));
    }
    check(directDraw->Initialize(nullptr));
    check(directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
    return directDraw;
}

// A primary surface that can be made and that speaks the DirectX 5 surface interface.
void probePrimarySurface(IDirectDraw2& directDraw) {
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    ComPtr<IDirectDrawSurface> probe;
    const HRESULT created = directDraw.CreateSurface(&description, &probe, nullptr);
    if (created == DDERR_UNSUPPORTEDMODE) {
        throw DX5::UnsupportedVideoModeError();
    }
    check(created);
    ComPtr<IDirectDrawSurface3> third;
    if (FAILED(queryInterface(probe, IID_IDirectDrawSurface3, third))) {
        throw DX5::NoDirectX5Error("IDirectDrawSurface3");
    }
}

DWORD cooperativeFlags(Pixels::ScreenAccess access) {
    switch (access) {
    case Pixels::ScreenAccess::Exclusive:
        return DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE;
    case Pixels::ScreenAccess::ExclusiveKeepingWindow:
        return DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE | DDSCL_NOWINDOWCHANGES;
    case Pixels::ScreenAccess::Shared:
        break;
    }
    return DDSCL_NORMAL;
}

} // namespace

DirectDrawDevice& DirectDrawDevice::openDevice() {
    std::unique_ptr<DirectDrawDevice>& device = processDevice();
    if (!device) {
        ComPtr<IDirectDraw2> directDraw = createDirectDraw();
        probePrimarySurface(*directDraw.Get());
        device.reset(new DirectDrawDevice(std::move(directDraw)));
    }
    return *device;
}

bool DirectDrawDevice::exists() {
    return processDevice() != nullptr;
}

void DirectDrawDevice::releaseDevice() {
    std::unique_ptr<DirectDrawDevice>& device = processDevice();
    if (device) {
        device->restoreDisplayMode();
        device.reset();
    }
}

DirectDrawDevice::DirectDrawDevice(ComPtr<IDirectDraw2> directDraw)
    : directDraw_(std::move(directDraw)), lossEpoch_(std::make_shared<Pixels::SurfaceLossEpoch>()) {
}

Pixels::DisplayModeDesc DirectDrawDevice::currentDisplayMode() const {
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    check(directDraw_->GetDisplayMode(&description));
    return {static_cast<int32_t>(description.dwWidth), static_cast<int32_t>(description.dwHeight),
            pixelFormatOf(description.ddpfPixelFormat),
            static_cast<int32_t>(description.dwRefreshRate)};
}

void DirectDrawDevice::setScreenAccess(HWND window, Pixels::ScreenAccess access) {
    check(directDraw_->SetCooperativeLevel(window, cooperativeFlags(access)));
}

void DirectDrawDevice::setDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel,
                                      int32_t refreshRate) {
    check(directDraw_->SetDisplayMode(static_cast<DWORD>(width), static_cast<DWORD>(height),
                                      static_cast<DWORD>(bitsPerPixel),
                                      static_cast<DWORD>(refreshRate), 0));
    modeChanged_ = true;
}

void DirectDrawDevice::restoreDisplayMode() {
    if (modeChanged_) {
        modeChanged_ = false;
        check(directDraw_->RestoreDisplayMode());
    }
}

std::unique_ptr<Pixels::PrimarySurface> DirectDrawDevice::createPrimaryChain() {
    auto presenter = std::make_unique<FlipChainPresenter>(directDraw_);
    const Pixels::PixelView front = presenter->frontBuffer();
    return std::make_unique<Pixels::PrimarySurface>(std::move(presenter), front.width, front.height,
                                                    front.format, lossEpoch_);
}

std::unique_ptr<Pixels::PixelSurface>
DirectDrawDevice::createOffscreenLike(const Pixels::PixelSurface& model) const {
    return std::make_unique<Pixels::PixelSurface>(model.width(), model.height(), model.format(),
                                                  lossEpoch_);
}

} // namespace DDraw
