#include "scene/SceneErrors.h"

#include "resources/Strings.h"

#include <cstdio>

namespace Scene {

namespace {

constexpr uint32_t noTrueColourText = 29;
constexpr uint32_t cannotDrawText = 32;
constexpr uint32_t missingWallpaperText = 24;

} // namespace

namespace SceneErrors {

BasicError missingWallpaper(const std::string& file) {
    // The message has always been formatted into 1024 bytes; longer ones are cut there.
    char message[1024];
    std::snprintf(message, sizeof message, Resources::loadString(missingWallpaperText).c_str(),
                  file.c_str());
    return BasicError(message);
}

BasicError noTrueColourMode() {
    return BasicError(Resources::loadString(noTrueColourText));
}

BasicError cannotDrawToDisplay() {
    return BasicError(Resources::loadString(cannotDrawText));
}

} // namespace SceneErrors

} // namespace Scene
