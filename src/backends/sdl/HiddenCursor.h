#pragma once

namespace Sdl {

// Hides the mouse cursor while it lives and then shows it again if it was shown before.
class HiddenCursor {
public:
    HiddenCursor();
    ~HiddenCursor();
    HiddenCursor(const HiddenCursor&) = delete;
    HiddenCursor& operator=(const HiddenCursor&) = delete;

    // Gives the cursor back early; later calls and the destructor then do nothing.
    void restore();

private:
    bool restored_ = false;
    int savedState_ = 0;
};

} // namespace Sdl
