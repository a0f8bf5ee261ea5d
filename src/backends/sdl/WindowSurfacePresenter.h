#pragma once

#include "backends/sdl/VideoSubsystem.h"
#include "display/IScreenPresenter.h"
#include "display/MemoryFrontBuffer.h"
#include "display/PixelFormat.h"

#include <SDL_rect.h>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct SDL_Window;
struct SDL_Surface;

namespace Sdl {

// Shows the pictures through the window's own pixel buffer, which on X11 reaches the server as
// shared memory: only the changed rectangles travel, and nothing is drawn by a renderer. When
// the window's buffer has the primary's size and format it is the front buffer itself;
// otherwise the front buffer lies in memory and its changed parts are converted into the
// window's buffer, or scaled over it.
class WindowSurfacePresenter final : public Pixels::IScreenPresenter {
public:
    // Raises DX5::Error with SDL's message when the window has no buffer to draw into.
    WindowSurfacePresenter(SDL_Window* window, int32_t width, int32_t height,
                           Pixels::PixelFormat format);
    ~WindowSurfacePresenter() override;
    WindowSurfacePresenter(const WindowSurfacePresenter&) = delete;
    WindowSurfacePresenter& operator=(const WindowSurfacePresenter&) = delete;

    Pixels::PixelView frontBuffer() override;
    void show(std::span<const Pixels::PixelRect> areas) override;
    void recreate() override;
    // SDL hands the window surface to the display server in SDL_UpdateWindowSurfaceRects only.
    bool showsOnlyWhenAsked() const override { return true; }

    // Must be called before the window's buffer is first made: without it SDL backs the buffer
    // with an OpenGL texture, which costs as much as a renderer.
    static void preferSharedMemory();

private:
    struct SurfaceRelease {
        void operator()(SDL_Surface* surface) const;
    };

    bool drawsStraightIntoScreen() const;
    void carryOver(std::span<const Pixels::PixelRect> areas);
    void sendToScreen(std::span<const Pixels::PixelRect> areas);
    Pixels::PixelView memory();
    SDL_Surface* memoryAsSdlSurface();

    VideoSubsystem video_;
    SDL_Window* window_;
    // Owned by the window; replaced by SDL when the window changes size.
    SDL_Surface* screen_ = nullptr;
    int32_t width_;
    int32_t height_;
    Pixels::PixelFormat format_;
    uint32_t sdlFormat_;
    // Whether the window's buffer is the front buffer since the last recreate().
    bool straight_ = false;
    // The front buffer where the window's buffer cannot be it, made when first needed, and the
    // same pixels seen as an SDL surface, for converting or scaling them.
    std::optional<Pixels::MemoryFrontBuffer> memory_;
    std::unique_ptr<SDL_Surface, SurfaceRelease> memoryView_;
    std::vector<SDL_Rect> rects_;
};

} // namespace Sdl
