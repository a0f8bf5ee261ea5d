#pragma once

#include "backends/sdl/VideoSubsystem.h"
#include "display/IScreenPresenter.h"
#include "display/PixelFormat.h"

#include <SDL_rect.h>
#include <cstdint>
#include <memory>
#include <vector>

struct SDL_Window;
struct SDL_Surface;

namespace Pixels {

// Shows the pictures through the window's own pixel buffer, which on X11 reaches the server as
// shared memory: only the changed rectangles travel, and nothing is drawn by a renderer. When
// the window's buffer has the primary's size and format the primary draws straight into it.
class WindowSurfacePresenter final : public IScreenPresenter {
public:
    // Raises DX5::Error with SDL's message when the window has no buffer to draw into.
    WindowSurfacePresenter(SDL_Window* window, int32_t width, int32_t height, PixelFormat format);
    ~WindowSurfacePresenter() override;
    WindowSurfacePresenter(const WindowSurfacePresenter&) = delete;
    WindowSurfacePresenter& operator=(const WindowSurfacePresenter&) = delete;

    PixelView screenPixels() override;
    void show(const PixelView& primary, std::span<const PixelRect> areas) override;
    void recreate() override;

    // Must be called before the window's buffer is first made: without it SDL backs the buffer
    // with an OpenGL texture, which costs as much as a renderer.
    static void preferSharedMemory();

private:
    struct SurfaceRelease {
        void operator()(SDL_Surface* surface) const;
    };

    bool drawsStraightIntoScreen() const;
    void carryOver(const PixelView& primary, std::span<const PixelRect> areas);
    void sendToScreen(std::span<const PixelRect> areas);
    SDL_Surface* primaryAsSdlSurface(const PixelView& primary);

    VideoSubsystem video_;
    SDL_Window* window_;
    // Owned by the window; replaced by SDL when the window changes size.
    SDL_Surface* screen_ = nullptr;
    int32_t width_;
    int32_t height_;
    PixelFormat format_;
    uint32_t sdlFormat_;
    // The primary's own pixels seen as an SDL surface, for converting or scaling them.
    std::unique_ptr<SDL_Surface, SurfaceRelease> primaryView_;
    std::vector<SDL_Rect> rects_;
};

} // namespace Pixels
