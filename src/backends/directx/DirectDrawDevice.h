#pragma once

#include "display/DisplayModeDesc.h"
#include "display/PixelSurface.h"
#include "display/PrimarySurface.h"
#include "display/ScreenAccess.h"
#include "display/SurfaceLossEpoch.h"

#include <cstdint>
#include <memory>
#include <windows.h>
#include <wrl/client.h>

struct IDirectDraw2;

namespace DDraw {

// The process-wide DirectDraw object: the display's mode, the screen access of the saver window,
// and the scene's surfaces. Every failing call raises DX5::Error with its result code.
class DirectDrawDevice {
public:
    // Made on first use. Raises DX5::NoDirectX5Error where DirectDraw or its DirectX 5 surfaces
    // are missing, and DX5::UnsupportedVideoModeError where the display's mode has no primary
    // surface.
    static DirectDrawDevice& openDevice();
    static bool exists();
    // Puts the desktop's mode back, then lets DirectDraw go.
    static void releaseDevice();

    DirectDrawDevice(const DirectDrawDevice&) = delete;
    DirectDrawDevice& operator=(const DirectDrawDevice&) = delete;

    Pixels::DisplayModeDesc currentDisplayMode() const;
    void setScreenAccess(HWND window, Pixels::ScreenAccess access);
    void setDisplayMode(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t refreshRate);
    void restoreDisplayMode();

    // The primary surface with its back buffer, at the current mode's size and pixel format.
    std::unique_ptr<Pixels::PrimarySurface> createPrimaryChain();
    // A surface in memory of the model's size and pixel format.
    std::unique_ptr<Pixels::PixelSurface>
    createOffscreenLike(const Pixels::PixelSurface& model) const;

private:
    explicit DirectDrawDevice(Microsoft::WRL::ComPtr<IDirectDraw2> directDraw);

    Microsoft::WRL::ComPtr<IDirectDraw2> directDraw_;
    std::shared_ptr<Pixels::SurfaceLossEpoch> lossEpoch_;
    bool modeChanged_ = false;
};

} // namespace DDraw
