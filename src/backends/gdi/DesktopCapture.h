#pragma once

#include "images/Bitmap.h"

#include <optional>

namespace Gdi {

// The primary screen as it shows now, taken through the desktop window's device context before
// the saver changes the display mode; nothing when the system gives no picture of it.
std::optional<Graphics::Bitmap> captureDesktop();

// The screen's top-left corner at the given size, unscaled: a preview's background.
std::optional<Graphics::Bitmap> captureScreenCorner(int32_t width, int32_t height);

} // namespace Gdi
