#pragma once

#include "backends/sdl/HiddenCursor.h"
#include "backends/sdl/ISaverDisplay.h"
#include "backends/sdl/SdlVideoSession.h"
#include "platform/AbnormalTerminationQueue.h"
#include "platform/QuitSignalHandler.h"
#include "scene/FrameLoop.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct SDL_Window;
union SDL_Event;

// The saver's window on SDL, which runs the frame loop. Frames arrive as ticks of the loop
// (onTimer); the user's input ends the loop according to the interruption mode; on every way out
// (destruction, SIGINT or SIGTERM, abnormal termination) the display and the cursor are given
// back.
class ScreenSaverWindow : private Scene::IEventPump {
public:
    enum class Style {
        // Borderless over the whole screen, cursor hidden: the real saver.
        FullScreen,
        // The same over every monitor the X server reports. Where they all lie on the first
        // display this is FullScreen (style() tells); otherwise one borderless window above all
        // others covers them, in the display mode they have.
        AllMonitors,
        // A resizable window on the desktop with the cursor visible, for trying the saver out.
        Windowed,
        // Another program's window (a saver daemon's, or the root window): drawn into at its
        // size, which SDL_WINDOWEVENT_SIZE_CHANGED reports when its owner changes it; never
        // shown, resized or grabbed; input is the daemon's, which ends the saver.
        Hosted,
    };

    // interruptMode: 0 mouse or keyboard, 1 keyboard only, 2 Escape only. hidden: the window is
    // neither shown nor is the display opened. display may be empty (nothing to open).
    // Throws SaverWindowError when the window cannot be made, and whatever display->open() throws.
    // hostWindow is the X window a Hosted saver draws into.
    ScreenSaverWindow(const std::string& title, bool hidden, int32_t interruptMode,
                      std::unique_ptr<Sdl::ISaverDisplay> display = nullptr,
                      Style style = Style::FullScreen, unsigned long hostWindow = 0);
    ~ScreenSaverWindow() override;
    ScreenSaverWindow(const ScreenSaverWindow&) = delete;
    ScreenSaverWindow& operator=(const ScreenSaverWindow&) = delete;

    // One tick of the frame timer.
    virtual void onTimer() {}
    // Every key press, before it is decided whether the key ends the saver. key is an SDL key code
    // (Escape is 0x1B).
    virtual void onKeyDown(int32_t key) { static_cast<void>(key); }
    // The window has a new size: a daemon changed the size of its window.
    virtual void onResized(int32_t width, int32_t height) {
        static_cast<void>(width);
        static_cast<void>(height);
    }
    // Another window uncovered part of this one, whose picture is only sent when it changes.
    virtual void onExposed() {}

    void requestQuit() { loop_.requestQuit(); }
    bool quitRequested() const { return loop_.quitRequested(); }

    void stopFrameTimer() { loop_.stop(); }
    // The first tick comes after the given time, then one every period until stopped or re-armed
    // (or as the loop's pacing says); never sooner than 10 ms.
    void setFrameTimer(uint32_t milliseconds) { loop_.start(milliseconds); }
    Scene::FrameLoop& frameLoop() { return loop_; }

    // Sleeps for events and timer ticks and hands them out until a quit is requested (by input, a
    // close request, SIGINT or SIGTERM, or requestQuit()). Errors of the handlers leave the loop.
    void runMessageLoop() { loop_.run(*this); }

    // Shuts the display down and destroys the window; what abnormal termination does.
    void shutDown();

    // Empty after shutDown().
    SDL_Window* sdlWindow() const { return window_.get(); }
    int32_t interruptMode() const { return interruptMode_; }
    Style style() const { return style_; }
    bool closing() const { return closing_; }

protected:
    // Decides what one event means to the saver; the loop calls it for every event.
    void handleEvent(const SDL_Event& event);

private:
    struct WindowDestroyer {
        void operator()(SDL_Window* window) const;
    };

    static Style effectiveStyle(Style style);
    // Settles the style first: AllMonitors becomes FullScreen where that covers them all and a
    // window manager runs.
    std::unique_ptr<SDL_Window, WindowDestroyer> createWindow(const std::string& title, Style style,
                                                              unsigned long hostWindow);
    void show();
    void openDisplay();
    void shutDownDisplay();
    void releaseWindowAndCursor();
    void handleWindowEvent(const SDL_Event& event);
    bool belongsToThisWindow(uint32_t windowId) const;
    void waitForEvents(uint32_t milliseconds) override;
    bool quitSignalled() const override;

    Style style_;
    bool closing_ = false;
    int32_t interruptMode_;
    Scene::FrameLoop loop_;
    // Declared in the order of set-up; they are given back in the reverse order.
    Sdl::SdlVideoSession videoSession_;
    QuitSignalHandler quitSignals_;
    std::unique_ptr<SDL_Window, WindowDestroyer> window_;
    uint32_t windowId_ = 0;
    // SDL's connection to the X server, waited on directly between frames.
    std::optional<int> serverConnection_;
    std::optional<Sdl::HiddenCursor> hiddenCursor_;
    AbnormalTerminationQueue::Registration shutDownOnAbnormalTermination_;
    std::unique_ptr<Sdl::ISaverDisplay> display_;
    bool displayInUse_ = false;
};
