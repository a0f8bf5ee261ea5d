#pragma once

#include "backends/x11/X11ChildWindow.h"
#include "display/IScreenPresenter.h"

// Puts a preview's frames into its child window. The window has no pixels the scene could draw
// into, so the primary keeps its own and the changed parts are sent from there.
class ChildWindowPresenter final : public Pixels::IScreenPresenter {
public:
    explicit ChildWindowPresenter(X11ChildWindow& window) : window_(window) {}

    Pixels::PixelView screenPixels() override { return {}; }
    void show(const Pixels::PixelView& primary, std::span<const Pixels::PixelRect> areas) override;
    void recreate() override {}

private:
    X11ChildWindow& window_;
};
