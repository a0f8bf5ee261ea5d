#include "scene/InterruptionPolicy.h"

#include <cstdlib>

namespace Scene {

namespace {

constexpr int32_t mouseOrKeyboard = 0;
constexpr int32_t escapeOnly = 2;

int64_t distance(int32_t a, int32_t b) {
    return std::abs(static_cast<int64_t>(a) - b);
}

} // namespace

InterruptionPolicy::InterruptionPolicy(int32_t interruptMode, MouseReference& mouseReference,
                                       Placement placement)
    : interruptMode_(interruptMode), mouseReference_(mouseReference), placement_(placement) {}

bool InterruptionPolicy::endsSaver(const InputEvent& event, bool closing) {
    switch (event.kind) {
    case InputEvent::Kind::MouseMove:
        return mouseMoveEndsSaver(event.x, event.y);
    case InputEvent::Kind::ButtonDown:
        return buttonEndsSaver(event.button);
    case InputEvent::Kind::KeyDown:
        return keyEndsSaver(event.key);
    case InputEvent::Kind::FocusLost:
        return !closing && placement_ == Placement::FullScreen;
    case InputEvent::Kind::CloseRequest:
        return true;
    }
    return false;
}

bool InterruptionPolicy::pointerCounts() const {
    return interruptMode_ == mouseOrKeyboard && placement_ == Placement::FullScreen;
}

// The window system reports a position when the window appears under the mouse; that first report
// is no movement and only sets the reference.
bool InterruptionPolicy::mouseMoveEndsSaver(int32_t x, int32_t y) {
    if (!pointerCounts()) {
        return false;
    }
    if (!mouseReference_.isRecorded()) {
        mouseReference_.record(x, y);
        return false;
    }
    return distance(x, mouseReference_.x()) > mouseTolerance ||
           distance(y, mouseReference_.y()) > mouseTolerance;
}

bool InterruptionPolicy::buttonEndsSaver(InputEvent::Button button) const {
    return pointerCounts() && button != InputEvent::Button::Other;
}

bool InterruptionPolicy::keyEndsSaver(int32_t key) const {
    return interruptMode_ != escapeOnly || key == InputEvent::escapeKey;
}

} // namespace Scene
