#pragma once

#include "display/IScreenPresenter.h"
#include "display/MemoryFrontBuffer.h"

#include <cstdint>
#include <optional>
#include <windows.h>
#include <wrl/client.h>

struct IDirectDraw2;
struct IDirectDrawSurface3;

namespace DDraw {

// The screen as a DirectDraw flip chain: the primary surface with one back buffer, both in
// system memory. A flip swaps the two surfaces, so the back buffer would hold the picture of
// two frames ago, while the scene redraws only what changed since the last one. The changed
// rectangles therefore go into the back buffer and from there onto the primary with one Blt of
// the area around them: one call to the display for each frame, which is what a frame costs
// where the system sends the whole screen for each call (under Wine, about 10 ms). The front
// buffer the primary surface draws into is memory of ours, so that it stays where it is between
// the surface's locks.
class FlipChainPresenter final : public Pixels::IScreenPresenter {
public:
    explicit FlipChainPresenter(Microsoft::WRL::ComPtr<IDirectDraw2> directDraw);
    ~FlipChainPresenter() override;
    FlipChainPresenter(const FlipChainPresenter&) = delete;
    FlipChainPresenter& operator=(const FlipChainPresenter&) = delete;

    Pixels::PixelView frontBuffer() override;
    void show(std::span<const Pixels::PixelRect> areas) override;
    void recreate() override;

private:
    void createChain();
    void copyIntoBackBuffer(std::span<const Pixels::PixelRect> areas);

    Microsoft::WRL::ComPtr<IDirectDraw2> directDraw_;
    Microsoft::WRL::ComPtr<IDirectDrawSurface3> primary_;
    Microsoft::WRL::ComPtr<IDirectDrawSurface3> backBuffer_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    Pixels::PixelFormat format_;
    std::optional<Pixels::MemoryFrontBuffer> memory_;
};

} // namespace DDraw
