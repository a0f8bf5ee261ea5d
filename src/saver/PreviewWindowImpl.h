#pragma once

#include "backends/x11/X11ChildWindow.h"
#include "platform/QuitSignalHandler.h"
#include "scene/FrameLoop.h"
#include "scene/RainScene.h"
#include "scene/SceneSurfaces.h"

#include <cstdint>
#include <memory>

class ScreenSaverOptionsStorage;

// The preview: a child window inside a window of another program, where the drops run over a
// snapshot of the top-left corner of the screen at the window's size, without lightning, sound,
// wallpapers or resets. When that window is resized, the preview starts again at the new size
// over a new snapshot. Frames follow the preview's processor-share rule, the painting included
// in the measured work.
class PreviewWindowImpl : private Scene::IEventPump {
public:
    static constexpr uint32_t firstFrameDelay = 20;

    // Takes the snapshot, builds the scene and shows the window; the first frame comes
    // firstFrameDelay milliseconds later. doneFlag is set when the preview is asked to close
    // (SIGINT or SIGTERM).
    PreviewWindowImpl(unsigned long parentWindow, bool& doneFlag,
                      ScreenSaverOptionsStorage& options);
    ~PreviewWindowImpl() override;

    // Runs frames and events until the done flag is set or the window is destroyed (also with its
    // parent).
    void runMessageLoop();

    bool destroyed() const { return destroyed_; }

private:
    void startScene();
    void waitForEvents(uint32_t milliseconds) override;
    bool quitSignalled() const override { return QuitSignalHandler::quitRequested(); }

    ScreenSaverOptionsStorage& options_;
    X11::X11ChildWindow window_;
    // The scene holds the surfaces, so it is declared after them.
    std::unique_ptr<Scene::SceneSurfaces> surfaces_;
    std::unique_ptr<Scene::RainScene> scene_;
    QuitSignalHandler quitSignals_;
    Scene::FrameLoop loop_;
    bool& doneFlag_;
    bool destroyed_ = false;
};

// The preview inside parentWindow, as preview mode runs it.
std::unique_ptr<PreviewWindowImpl> createPreviewWindow(int32_t parentWindow, bool& doneFlag);
