#pragma once

#include <SDL.h>
#include <cstdlib>
#include <memory>

// Headless video for tests, chosen before SDL starts video. SDL's dummy driver rather than its
// offscreen one: the offscreen driver lists its mode without a size, and its EGL start-up leaks
// memory inside the system's GL library, which the sanitizer build would report.
inline void useDummyVideo() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

struct TestWindowRelease {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using TestWindow = std::unique_ptr<SDL_Window, TestWindowRelease>;

inline TestWindow makeTestWindow(int width, int height) {
    return TestWindow(SDL_CreateWindow("test", 0, 0, width, height, SDL_WINDOW_HIDDEN));
}
