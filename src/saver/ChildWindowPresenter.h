#pragma once

#include "display/IScreenPresenter.h"
#include "saver/X11ChildWindow.h"

// Puts a preview's frames into its child window. The window has no pixels the scene could draw
// into, so the primary keeps its own and the changed parts are sent from there.
class ChildWindowPresenter final : public DDraw::IScreenPresenter {
public:
    explicit ChildWindowPresenter(X11ChildWindow& window) : window_(window) {}

    DDraw::PixelView screenPixels() override { return {}; }
    void show(const DDraw::PixelView& primary, std::span<const DDraw::PixelRect> areas) override;
    void recreate() override {}

private:
    X11ChildWindow& window_;
};
