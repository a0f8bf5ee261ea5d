#pragma once

#include "backends/sdl/VideoSubsystem.h"
#include "display/IScreenPresenter.h"
#include "display/MemoryFrontBuffer.h"
#include "display/PixelFormat.h"

#include <cstdint>
#include <memory>
#include <vector>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace Sdl {

// Shows the pictures through a renderer: the changed rectangles are uploaded into a streaming
// texture and the texture is drawn stretched over the whole window. Cheap where the renderer
// runs on a graphics processor; in software it costs a whole-window draw per frame.
class TexturePresenter final : public Pixels::IScreenPresenter {
public:
    // Uses the window's renderer when it already has one, otherwise makes (and owns) one.
    // Raises DX5::Error with SDL's message when the window cannot be drawn to.
    TexturePresenter(SDL_Window* window, int32_t width, int32_t height, Pixels::PixelFormat format);
    ~TexturePresenter() override;
    TexturePresenter(const TexturePresenter&) = delete;
    TexturePresenter& operator=(const TexturePresenter&) = delete;

    Pixels::PixelView frontBuffer() override { return memory_.view(); }
    void show(std::span<const Pixels::PixelRect> areas) override;
    // After the renderer was reset its textures are gone and must be made again.
    void recreate() override;

private:
    struct RendererRelease {
        void operator()(SDL_Renderer* renderer) const;
    };
    struct TextureRelease {
        void operator()(SDL_Texture* texture) const;
    };

    // Keeps SDL's video running until the renderer and texture are gone, even when the device
    // is released first.
    VideoSubsystem video_;
    // Declared before the texture, so that the texture goes first.
    std::unique_ptr<SDL_Renderer, RendererRelease> ownedRenderer_;
    SDL_Renderer* renderer_;
    std::unique_ptr<SDL_Texture, TextureRelease> texture_;
    int32_t width_;
    int32_t height_;
    uint32_t sdlFormat_;
    // The renderer's texture cannot be drawn into directly.
    Pixels::MemoryFrontBuffer memory_;
};

} // namespace Sdl
