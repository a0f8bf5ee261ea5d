#pragma once

#include "images/Bitmap.h"

#include <cstdint>

namespace Scene {

// What the rain falls over when neither the desktop nor the wallpapers give a picture: a city
// waterfront at dusk that the program carries (resources/pictures/backdrop.jpg, drawn by
// tools/backdrop), scaled to width x height.
Graphics::Bitmap builtInBackground(int32_t width, int32_t height);

} // namespace Scene
