#include "backends/sdl/SdlInputTranslator.h"

#include <SDL.h>

namespace Sdl {

static_assert(SDLK_ESCAPE == Scene::InputEvent::escapeKey);

namespace {

Scene::InputEvent::Button buttonOf(uint8_t sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return Scene::InputEvent::Button::Left;
    case SDL_BUTTON_RIGHT:
        return Scene::InputEvent::Button::Right;
    case SDL_BUTTON_MIDDLE:
        return Scene::InputEvent::Button::Middle;
    default:
        return Scene::InputEvent::Button::Other;
    }
}

std::optional<Scene::InputEvent> translateWindowEvent(const SDL_WindowEvent& event) {
    std::optional<Scene::InputEvent> input;
    if (event.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        input = Scene::InputEvent::focusLost();
    } else if (event.event == SDL_WINDOWEVENT_CLOSE) {
        input = Scene::InputEvent::closeRequest();
    }
    if (input) {
        input->windowId = event.windowID;
    }
    return input;
}

template <typename SdlRecord>
Scene::InputEvent fromWindow(Scene::InputEvent input, const SdlRecord& record) {
    input.windowId = record.windowID;
    return input;
}

} // namespace

std::optional<Scene::InputEvent> SdlInputTranslator::translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        return Scene::InputEvent::closeRequest();
    case SDL_WINDOWEVENT:
        return translateWindowEvent(event.window);
    case SDL_KEYDOWN:
        return fromWindow(Scene::InputEvent::keyDown(event.key.keysym.sym), event.key);
    case SDL_MOUSEMOTION:
        return fromWindow(Scene::InputEvent::mouseMove(event.motion.x, event.motion.y),
                          event.motion);
    case SDL_MOUSEBUTTONDOWN:
        return fromWindow(Scene::InputEvent::buttonDown(buttonOf(event.button.button)),
                          event.button);
    default:
        return std::nullopt;
    }
}

} // namespace Sdl
