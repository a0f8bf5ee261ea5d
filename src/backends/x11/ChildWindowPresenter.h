#pragma once

#include "backends/x11/X11ChildWindow.h"
#include "display/IScreenPresenter.h"
#include "display/MemoryFrontBuffer.h"

namespace X11 {

// Puts a preview's frames into its child window. The window has no pixels the scene could draw
// into, so the front buffer lies in memory and the changed parts are sent from there.
class ChildWindowPresenter final : public Pixels::IScreenPresenter {
public:
    // The window's size, in the window's 24-bit pixels.
    explicit ChildWindowPresenter(X11ChildWindow& window);

    Pixels::PixelView frontBuffer() override { return memory_.view(); }
    void show(std::span<const Pixels::PixelRect> areas) override;
    void recreate() override {}

private:
    X11ChildWindow& window_;
    Pixels::MemoryFrontBuffer memory_;
};

} // namespace X11
