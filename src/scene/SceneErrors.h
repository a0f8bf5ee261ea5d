#pragma once

#include "errors/BasicError.h"

#include <string>

namespace Scene {

// The errors that end the scene with a message for the user.
namespace SceneErrors {

// A wallpaper in the list that cannot be found any more.
BasicError missingWallpaper(const std::string& file);
// The display offers nothing deeper than 256 colours at the desktop's size.
BasicError noTrueColourMode();
// Another program keeps the display from us.
BasicError cannotDrawToDisplay();

} // namespace SceneErrors

} // namespace Scene
