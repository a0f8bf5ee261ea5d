#pragma once

#include "images/Bitmap.h"

#include <optional>

struct _XImage;

namespace X11 {

// The picture on the screen when the saver starts, read from the X server's root window before
// the saver window covers it. Nothing when there is no X display to read (Wayland, a console).
std::optional<Graphics::Bitmap> captureDesktop();
// The part of it that the given monitors' bounds cover.
std::optional<Graphics::Bitmap> captureDesktopArea(int32_t x, int32_t y, int32_t width,
                                                   int32_t height);

// The top-left width x height pixels of the screen, not scaled; where the screen is smaller the
// rest stays black. Nothing when there is no X display to read.
std::optional<Graphics::Bitmap> captureScreenCorner(int32_t width, int32_t height);

// A picture read from the X server, in any of its pixel layouts.
Graphics::Bitmap bitmapFromXImage(_XImage& image);

} // namespace X11
