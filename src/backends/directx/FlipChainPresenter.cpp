#include "backends/directx/FlipChainPresenter.h"

#include "backends/directx/PixelFormatOf.h"
#include "backends/directx/QueryInterface.h"
#include "display/DX5Error.h"

#include <algorithm>
#include <cstring>
#include <ddraw.h>

namespace DDraw {

using Microsoft::WRL::ComPtr;

namespace {

void check(HRESULT result) {
    if (FAILED(result)) {
        throw DX5::Error(static_cast<int32_t>(result));
    }
}

constexpr DWORD chainCapabilities = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX |
                                    DDSCAPS_SYSTEMMEMORY | DDSCAPS_3DDEVICE;

RECT boundsOf(std::span<const Pixels::PixelRect> areas) {
    RECT bounds{areas.front().left, areas.front().top, areas.front().right, areas.front().bottom};
    for (const Pixels::PixelRect& area : areas.subspan(1)) {
        bounds.left = std::min<LONG>(bounds.left, area.left);
        bounds.top = std::min<LONG>(bounds.top, area.top);
        bounds.right = std::max<LONG>(bounds.right, area.right);
        bounds.bottom = std::max<LONG>(bounds.bottom, area.bottom);
    }
    return bounds;
}

} // namespace

FlipChainPresenter::FlipChainPresenter(ComPtr<IDirectDraw2> directDraw)
    : directDraw_(std::move(directDraw)) {
    createChain();
    memory_.emplace(width_, height_, format_);
}

FlipChainPresenter::~FlipChainPresenter() = default;

void FlipChainPresenter::createChain() {
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    description.dwBackBufferCount = 1;
    description.ddsCaps.dwCaps = chainCapabilities;
    ComPtr<IDirectDrawSurface> created;
    check(directDraw_->CreateSurface(&description, &created, nullptr));
    check(queryInterface(created, IID_IDirectDrawSurface3, primary_));
    DDSCAPS backBufferCapabilities{DDSCAPS_BACKBUFFER};
    check(primary_->GetAttachedSurface(&backBufferCapabilities, &backBuffer_));
    DDSURFACEDESC shape{};
    shape.dwSize = sizeof shape;
    check(primary_->GetSurfaceDesc(&shape));
    width_ = static_cast<int32_t>(shape.dwWidth);
    height_ = static_cast<int32_t>(shape.dwHeight);
    format_ = pixelFormatOf(shape.ddpfPixelFormat);
}

Pixels::PixelView FlipChainPresenter::frontBuffer() {
    return memory_->view();
}

void FlipChainPresenter::show(std::span<const Pixels::PixelRect> areas) {
    if (areas.empty()) {
        return;
    }
    copyIntoBackBuffer(areas);
    RECT bounds = boundsOf(areas);
    check(primary_->Blt(&bounds, backBuffer_.Get(), &bounds, DDBLT_WAIT, nullptr));
}

void FlipChainPresenter::copyIntoBackBuffer(std::span<const Pixels::PixelRect> areas) {
    DDSURFACEDESC locked{};
    locked.dwSize = sizeof locked;
    check(backBuffer_->Lock(nullptr, &locked, DDLOCK_WAIT | DDLOCK_WRITEONLY, nullptr));
    const Pixels::PixelView source = memory_->view();
    const int32_t bytesPerPixel = format_.bytesPerPixel();
    auto* target = static_cast<uint8_t*>(locked.lpSurface);
    for (const Pixels::PixelRect& area : areas) {
        const auto rowBytes = static_cast<std::size_t>(area.width() * bytesPerPixel);
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const std::ptrdiff_t column = static_cast<std::ptrdiff_t>(area.left) * bytesPerPixel;
            std::memcpy(target + static_cast<std::ptrdiff_t>(y) * locked.lPitch + column,
                        source.pixels + static_cast<std::ptrdiff_t>(y) * source.pitch + column,
                        rowBytes);
        }
    }
    check(backBuffer_->Unlock(nullptr));
}

// A lost chain comes back whole from its primary; a chain that cannot is made again.
void FlipChainPresenter::recreate() {
    if (primary_ && primary_->IsLost() == DDERR_SURFACELOST && SUCCEEDED(primary_->Restore())) {
        return;
    }
    backBuffer_.Reset();
    primary_.Reset();
    createChain();
    if (!memory_ || memory_->view().width != width_ || memory_->view().height != height_ ||
        !(memory_->view().format == format_)) {
        memory_.emplace(width_, height_, format_);
    }
}

} // namespace DDraw
