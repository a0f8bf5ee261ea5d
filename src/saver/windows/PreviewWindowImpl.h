#pragma once

#include "backends/gdi/DibWindowPresenter.h"
#include "backends/user32/PreviewChildWindow.h"
#include "scene/FrameLoop.h"
#include "scene/RainScene.h"
#include "scene/SceneSurfaces.h"

#include <cstdint>
#include <memory>
#include <windows.h>

class ScreenSaverOptionsStorage;

// The preview on Windows: a child window in the screen-saver settings' preview area, where the
// drops run over a snapshot of the top-left corner of the screen at the window's size, without
// lightning, sound, wallpapers or resets, painted with GDI from a 24-bit picture. Frames follow
// the preview's processor-share rule, the painting included in the measured work.
class PreviewWindowImpl : private Scene::IEventPump {
public:
    static constexpr uint32_t firstFrameDelay = 20;

    // Takes the snapshot, builds the scene and shows the window; the first frame comes
    // firstFrameDelay milliseconds later. doneFlag is set when the window is asked to close.
    PreviewWindowImpl(HWND parent, bool& doneFlag, ScreenSaverOptionsStorage& options);
    ~PreviewWindowImpl() override;

    // Runs frames and messages until the done flag is set or the window is gone with its parent.
    void runMessageLoop();

private:
    void waitForEvents(uint32_t milliseconds) override;
    bool quitSignalled() const override { return false; }

    User32::PreviewChildWindow window_;
    Gdi::DibWindowPresenter* presenter_ = nullptr;
    // The scene holds the surfaces, so it is declared after them.
    std::unique_ptr<Scene::SceneSurfaces> surfaces_;
    std::unique_ptr<Scene::RainScene> scene_;
    Scene::FrameLoop loop_;
    bool& doneFlag_;
};

// The preview inside parentWindow, as preview mode runs it.
std::unique_ptr<PreviewWindowImpl> createPreviewWindow(int32_t parentWindow, bool& doneFlag);
