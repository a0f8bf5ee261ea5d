#pragma once

#include "display/PixelBufferDesc.h"

#include <SDL.h>

// What reached the screen of an SDL window: the pixels of every rectangle given to
// SDL_UpdateWindowSurfaceRects, as the window surface held them at that moment. The window
// surface may hold other pixels between two updates, so it cannot tell this itself. The test
// program's own SDL_UpdateWindowSurfaceRects records them and passes the call on to SDL.
namespace ShownScreen {

// Forgets what was shown; the next update of a window starts its picture.
void forget();
// Whether the screen shows these pixels, rows of 4-byte pixels; false before any update.
bool shows(const PixelBufferDesc& pixels);
// The shown pixel at (x, y), 0 where nothing was shown.
uint32_t pixelAt(int32_t x, int32_t y);

} // namespace ShownScreen
