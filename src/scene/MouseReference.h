#pragma once

#include <cstdint>

namespace Scene {

// The first mouse position the process saw. Every later position is compared with it, never with
// the previous one, so a slow drift adds up until it ends the saver.
class MouseReference {
public:
    // The one reference that all saver windows of the process share.
    static MouseReference& processWide();

    bool isRecorded() const { return recorded_; }
    int32_t x() const { return x_; }
    int32_t y() const { return y_; }

    void record(int32_t x, int32_t y) {
        recorded_ = true;
        x_ = x;
        y_ = y;
    }

private:
    bool recorded_ = false;
    int32_t x_ = 0;
    int32_t y_ = 0;
};

} // namespace Scene
