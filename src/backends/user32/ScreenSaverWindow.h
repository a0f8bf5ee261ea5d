#pragma once

#include "platform/AbnormalTerminationQueue.h"
#include "platform/QuitSignalHandler.h"
#include "scene/FrameLoop.h"

#include <cstdint>
#include <string>
#include <windows.h>

namespace User32 {

// The saver's borderless window over the whole primary screen, which runs the frame loop:
// frames arrive as ticks of timer 1 (onTimer), the user's input ends the loop according to the
// interruption mode, and on every way out (destruction, a request to end from the console or
// the session, abnormal termination) DirectDraw gives the display mode back and the cursor
// returns.
class ScreenSaverWindow : private Scene::IEventPump {
public:
    // interruptMode: 0 mouse or keyboard, 1 keyboard only, 2 the Escape key only. hidden: the
    // window is neither shown nor is DirectDraw opened. Raises what opening DirectDraw raises.
    ScreenSaverWindow(const std::string& title, bool hidden, int32_t interruptMode);
    ~ScreenSaverWindow() override;
    ScreenSaverWindow(const ScreenSaverWindow&) = delete;
    ScreenSaverWindow& operator=(const ScreenSaverWindow&) = delete;

    // One tick of the frame timer.
    virtual void onTimer() {}
    // Every key press, before it is decided whether the key ends the saver (a virtual-key code).
    virtual void onKeyDown(int32_t key) { static_cast<void>(key); }

    void requestQuit() { loop_.requestQuit(); }
    bool quitRequested() const { return loop_.quitRequested(); }
    void stopFrameTimer() { loop_.stop(); }
    // The first tick comes after the given time, then as the loop's pacing says.
    void setFrameTimer(uint32_t milliseconds) { loop_.start(milliseconds); }
    Scene::FrameLoop& frameLoop() { return loop_; }
    // Dispatches messages until a quit is requested; errors of the handlers leave the loop.
    void runMessageLoop() { loop_.run(*this); }

    // Gives the display mode back, releases DirectDraw and destroys the window; what abnormal
    // termination does.
    void shutDown();

    HWND handle() const { return window_; }
    bool closing() const { return closing_; }

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void waitForEvents(uint32_t milliseconds) override;
    bool quitSignalled() const override;
    void destroyWindow();

    bool closing_ = false;
    Scene::FrameLoop loop_;
    QuitSignalHandler quitSignals_;
    HWND window_ = nullptr;
    HCURSOR savedCursor_ = nullptr;
    AbnormalTerminationQueue::Registration shutDownOnAbnormalTermination_;
};

} // namespace User32
