#pragma once

#include "scene/InputEvent.h"

#include <optional>

union SDL_Event;

namespace Sdl {

// Turns the SDL events that can end the saver into our own input records; every other event gives
// nothing.
class SdlInputTranslator {
public:
    static std::optional<Scene::InputEvent> translate(const SDL_Event& event);
};

} // namespace Sdl
