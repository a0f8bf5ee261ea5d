#pragma once

#include "images/Bitmap.h"

#include <optional>

namespace Gdi {

// The primary screen as it shows now, taken through the desktop window's device context before
// the saver changes the display mode; nothing when the system gives no picture of it.
std::optional<Graphics::Bitmap> captureDesktop();

} // namespace Gdi
