#pragma once

#include "display/PixelFormat.h"
#include "display/VideoSubsystem.h"

#include <cstdint>
#include <memory>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace DDraw {

// Shows pictures of one size and pixel format in a window: each picture is uploaded into a
// streaming texture of that format and presented stretched over the whole window.
class ScreenPresenter {
public:
    // Uses the window's renderer when it already has one, otherwise makes (and owns) one.
    // Raises DX5::Error with SDL's message when the window cannot be drawn to.
    ScreenPresenter(SDL_Window* window, int32_t width, int32_t height, PixelFormat format);
    ~ScreenPresenter();
    ScreenPresenter(const ScreenPresenter&) = delete;
    ScreenPresenter& operator=(const ScreenPresenter&) = delete;

    void show(const uint8_t* pixels, int32_t pitch);
    // After the renderer was reset its textures are gone and must be made again.
    void recreateTexture();

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
};

} // namespace DDraw
