#include "saver/SdlInputTranslator.h"

#include <SDL.h>

static_assert(SDLK_ESCAPE == InputEvent::escapeKey);

namespace {

InputEvent::Button buttonOf(uint8_t sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return InputEvent::Button::Left;
    case SDL_BUTTON_RIGHT:
        return InputEvent::Button::Right;
    case SDL_BUTTON_MIDDLE:
        return InputEvent::Button::Middle;
    default:
        return InputEvent::Button::Other;
    }
}

std::optional<InputEvent> translateWindowEvent(const SDL_WindowEvent& event) {
    std::optional<InputEvent> input;
    if (event.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        input = InputEvent::focusLost();
    } else if (event.event == SDL_WINDOWEVENT_CLOSE) {
        input = InputEvent::closeRequest();
    }
    if (input) {
        input->windowId = event.windowID;
    }
    return input;
}

template <typename SdlRecord> InputEvent fromWindow(InputEvent input, const SdlRecord& record) {
    input.windowId = record.windowID;
    return input;
}

} // namespace

std::optional<InputEvent> SdlInputTranslator::translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        return InputEvent::closeRequest();
    case SDL_WINDOWEVENT:
        return translateWindowEvent(event.window);
    case SDL_KEYDOWN:
        return fromWindow(InputEvent::keyDown(event.key.keysym.sym), event.key);
    case SDL_MOUSEMOTION:
        return fromWindow(InputEvent::mouseMove(event.motion.x, event.motion.y), event.motion);
    case SDL_MOUSEBUTTONDOWN:
        return fromWindow(InputEvent::buttonDown(buttonOf(event.button.button)), event.button);
    default:
        return std::nullopt;
    }
}
