#pragma once

namespace Sdl {

// Holds SDL's video subsystem started for as long as it lives (SDL counts the holders).
class VideoSubsystem {
public:
    // Raises DX5::NoDirectX5Error when video cannot start.
    VideoSubsystem();
    ~VideoSubsystem();
    VideoSubsystem(const VideoSubsystem&) = delete;
    VideoSubsystem& operator=(const VideoSubsystem&) = delete;
};

} // namespace Sdl
