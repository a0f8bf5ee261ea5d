#pragma once

#include "saver/FrameTimer.h"
#include "saver/PreviewScene.h"
#include "saver/QuitSignalHandler.h"
#include "saver/X11ChildWindow.h"

#include <cstdint>
#include <memory>
#include <optional>

class ScreenSaverOptionsStorage;

// The preview: a child window inside a window of another program, where the drops run over a
// snapshot of the top-left corner of the screen at the window's size, without lightning, sound,
// wallpapers or resets. When that window is resized, the preview starts again at the new size
// over a new snapshot. Frames follow the same processor-share rule as the full-screen saver,
// the painting included in the measured work.
class PreviewWindowImpl {
public:
    static constexpr uint32_t firstFrameDelay = 20;

    // Takes the snapshot, builds the scene and shows the window; the first frame comes
    // firstFrameDelay milliseconds later. doneFlag is set when the preview is asked to close
    // (SIGINT or SIGTERM).
    PreviewWindowImpl(unsigned long parentWindow, bool& doneFlag,
                      ScreenSaverOptionsStorage& options);

    // Runs frames and events until the done flag is set or the window is destroyed (also with its
    // parent).
    void runMessageLoop();

    // The wait after a frame whose work, painting included, took workMilliseconds: the share is
    // rounded to single precision and the rest is worked out in extended precision. A share of 0
    // would divide by zero and counts as 1.
    static uint32_t idleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad);

    bool destroyed() const { return destroyed_; }
    const PreviewScene& scene() const { return *scene_; }

private:
    void onTimer();
    void handleEvents();
    void startScene();

    ScreenSaverOptionsStorage& options_;
    int32_t maxCpuLoad_;
    X11ChildWindow window_;
    std::optional<PreviewScene> scene_;
    QuitSignalHandler quitSignals_;
    FrameTimer timer_;
    bool& doneFlag_;
    bool destroyed_ = false;
};

// The preview inside parentWindow, as preview mode runs it.
std::unique_ptr<PreviewWindowImpl> createPreviewWindow(int32_t parentWindow, bool& doneFlag);
