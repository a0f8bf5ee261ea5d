#pragma once

#include <cstdint>

namespace Scene {

// One piece of user input, in the terms the decision to end the saver is made in; independent of
// the window system, so that those decisions can be checked without a display.
struct InputEvent {
    enum class Kind { MouseMove, ButtonDown, KeyDown, FocusLost, CloseRequest };
    // Only the three classic buttons interrupt the saver; extra buttons never did.
    enum class Button { Left, Right, Middle, Other };

    // The Escape key's code; the key codes we receive use the same value for it.
    static constexpr int32_t escapeKey = 0x1B;

    Kind kind = Kind::CloseRequest;
    // The window the input belongs to; 0 when it names none (a quit request of the application).
    uint32_t windowId = 0;
    // MouseMove: position inside the window.
    int32_t x = 0;
    int32_t y = 0;
    // ButtonDown.
    Button button = Button::Other;
    // KeyDown.
    int32_t key = 0;

    static InputEvent mouseMove(int32_t x, int32_t y) {
        InputEvent event{Kind::MouseMove};
        event.x = x;
        event.y = y;
        return event;
    }
    static InputEvent buttonDown(Button button) {
        InputEvent event{Kind::ButtonDown};
        event.button = button;
        return event;
    }
    static InputEvent keyDown(int32_t key) {
        InputEvent event{Kind::KeyDown};
        event.key = key;
        return event;
    }
    static InputEvent focusLost() { return InputEvent{Kind::FocusLost}; }
    static InputEvent closeRequest() { return InputEvent{Kind::CloseRequest}; }
};

} // namespace Scene
