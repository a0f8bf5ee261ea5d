#include "backends/sdl/ScreenSaverWindow.h"

#include "backends/sdl/SaverWindowError.h"
#include "platform/AbnormalTerminationQueue.h"

#include <SDL.h>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct DisplayLog {
    int opened = 0;
    int shutDowns = 0;
    SDL_Window* window = nullptr;
    bool failToOpen = false;
};

class FakeDisplay : public Sdl::ISaverDisplay {
public:
    explicit FakeDisplay(DisplayLog& log) : log_(log) {}
    void open(SDL_Window& window) override {
        ++log_.opened;
        log_.window = &window;
        if (log_.failToOpen) {
            throw BasicError("no display device");
        }
    }
    void shutDown() override { ++log_.shutDowns; }

private:
    DisplayLog& log_;
};

// A saver whose frames run a script; it gives up after a few seconds so that a broken loop fails
// the test instead of hanging it.
class ScriptedSaver : public ScreenSaverWindow {
public:
    ScriptedSaver(int32_t mode, DisplayLog& log, Style style = Style::FullScreen,
                  bool hidden = false)
        : ScreenSaverWindow("Pluvo", hidden, mode, std::make_unique<FakeDisplay>(log), style) {}

    void onTimer() override {
        ++ticks;
        if (script) {
            script(ticks);
        }
        if (ticks > 300) {
            gaveUp = true;
            requestQuit();
        }
    }
    void onKeyDown(int32_t key) override { keys.push_back(key); }

    void push(SDL_Event event) { SDL_PushEvent(&event); }
    void pushKey(SDL_Keycode key) {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.windowID = SDL_GetWindowID(sdlWindow());
        event.key.keysym.sym = key;
        push(event);
    }
    void pushWindowEvent(SDL_WindowEventID id, uint32_t windowId) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = id;
        event.window.windowID = windowId;
        push(event);
    }
    void pushLeftClick() {
        SDL_Event event{};
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.windowID = SDL_GetWindowID(sdlWindow());
        event.button.button = SDL_BUTTON_LEFT;
        push(event);
    }

    std::function<void(int tick)> script;
    int ticks = 0;
    bool gaveUp = false;
    std::vector<int32_t> keys;
};

class ScreenSaverWindowTest : public ::testing::Test {
protected:
    // Video stays up around each window, so that what the window leaves behind can be checked.
    void SetUp() override {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_ShowCursor(SDL_ENABLE);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

    static bool cursorShown() { return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE; }

    DisplayLog display;
};

} // namespace

TEST_F(ScreenSaverWindowTest, AKeyEndsTheLoopAndEverythingIsGivenBack) {
    {
        ScriptedSaver saver(0, display);
        ASSERT_NE(saver.sdlWindow(), nullptr);
        EXPECT_EQ(display.opened, 1);
        EXPECT_EQ(display.window, saver.sdlWindow());
        EXPECT_FALSE(cursorShown());
        const uint32_t flags = SDL_GetWindowFlags(saver.sdlWindow());
        EXPECT_EQ(flags & SDL_WINDOW_FULLSCREEN_DESKTOP, SDL_WINDOW_FULLSCREEN_DESKTOP);
        EXPECT_TRUE(flags & SDL_WINDOW_SHOWN);

        saver.pushKey(SDLK_SPACE);
        saver.runMessageLoop();
        EXPECT_TRUE(saver.quitRequested());
        EXPECT_EQ(saver.keys, std::vector<int32_t>{SDLK_SPACE});
        EXPECT_EQ(display.shutDowns, 0);
    }
    EXPECT_EQ(display.shutDowns, 1);
    EXPECT_TRUE(cursorShown());
}

TEST_F(ScreenSaverWindowTest, FramesTickUntilEscapeInEscapeOnlyMode) {
    ScriptedSaver saver(2, display);
    saver.script = [&saver](int tick) {
        if (tick == 1) {
            saver.pushKey(SDLK_SPACE);
            saver.pushLeftClick();
        } else if (tick == 3) {
            saver.pushKey(SDLK_ESCAPE);
        }
    };
    saver.setFrameTimer(0);
    saver.runMessageLoop();
    EXPECT_FALSE(saver.gaveUp);
    EXPECT_EQ(saver.ticks, 3);
    EXPECT_EQ(saver.keys, (std::vector<int32_t>{SDLK_SPACE, SDLK_ESCAPE}));
}

TEST_F(ScreenSaverWindowTest, LosingTheFocusEndsTheSaverButOtherWindowsAreNotOurs) {
    ScriptedSaver saver(2, display);
    const uint32_t ours = SDL_GetWindowID(saver.sdlWindow());
    saver.script = [&](int tick) {
        if (tick == 1) {
            saver.pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, ours + 100);
        } else if (tick == 2) {
            saver.pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, ours);
        }
    };
    saver.setFrameTimer(0);
    saver.runMessageLoop();
    EXPECT_EQ(saver.ticks, 2);
}

// A saver started from a terminal gets SIGHUP when the terminal goes; it must give the display
// back like for SIGTERM, not die with a changed display mode.
TEST_F(ScreenSaverWindowTest, SigintAndSighupEndTheLoopLikeSigterm) {
    for (const int quitSignal : {SIGINT, SIGHUP}) {
        ScriptedSaver saver(2, display);
        saver.script = [quitSignal](int) { std::raise(quitSignal); };
        saver.setFrameTimer(0);
        saver.runMessageLoop();
        EXPECT_EQ(saver.ticks, 1) << quitSignal;
        EXPECT_TRUE(saver.quitRequested()) << quitSignal;
    }
}

TEST_F(ScreenSaverWindowTest, SigtermAndQuitEventsEndTheLoop) {
    struct sigaction before {};
    sigaction(SIGTERM, nullptr, &before);
    {
        ScriptedSaver saver(2, display);
        saver.script = [](int) { std::raise(SIGTERM); };
        saver.setFrameTimer(0);
        saver.runMessageLoop();
        EXPECT_EQ(saver.ticks, 1);
        EXPECT_TRUE(saver.quitRequested());
    }
    struct sigaction after {};
    sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);

    ScriptedSaver saver(2, display);
    saver.script = [&saver](int) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        saver.push(quit);
    };
    saver.setFrameTimer(0);
    saver.runMessageLoop();
    EXPECT_EQ(saver.ticks, 1);
}

TEST_F(ScreenSaverWindowTest, AbnormalTerminationGivesTheDisplayBackOnlyForLiveWindows) {
    auto& queue = AbnormalTerminationQueue::processWide();
    const std::size_t before = queue.size();
    {
        ScriptedSaver gone(0, display);
        EXPECT_EQ(queue.size(), before + 1);
    }
    EXPECT_EQ(queue.size(), before);
    EXPECT_EQ(display.shutDowns, 1);

    ScriptedSaver saver(0, display);
    queue.runAll();
    EXPECT_EQ(display.shutDowns, 2);
    EXPECT_EQ(saver.sdlWindow(), nullptr);
    EXPECT_TRUE(cursorShown());
}

TEST_F(ScreenSaverWindowTest, AFailingDisplayLeavesNothingBehind) {
    auto& queue = AbnormalTerminationQueue::processWide();
    const std::size_t before = queue.size();
    display.failToOpen = true;
    EXPECT_THROW(ScriptedSaver(0, display), BasicError);
    EXPECT_EQ(display.shutDowns, 1);
    EXPECT_EQ(queue.size(), before);
    EXPECT_TRUE(cursorShown());
}

TEST_F(ScreenSaverWindowTest, AHiddenWindowOpensNoDisplay) {
    {
        ScriptedSaver saver(0, display, ScreenSaverWindow::Style::FullScreen, true);
        EXPECT_FALSE(SDL_GetWindowFlags(saver.sdlWindow()) & SDL_WINDOW_SHOWN);
    }
    EXPECT_EQ(display.opened, 0);
    EXPECT_EQ(display.shutDowns, 0);
}

TEST_F(ScreenSaverWindowTest, TheDesktopWindowKeepsTheCursorAndIgnoresTheMouse) {
    ScriptedSaver saver(0, display, ScreenSaverWindow::Style::Windowed);
    EXPECT_TRUE(cursorShown());
    const uint32_t flags = SDL_GetWindowFlags(saver.sdlWindow());
    EXPECT_TRUE(flags & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(flags & SDL_WINDOW_FULLSCREEN);
    saver.script = [&saver](int tick) {
        if (tick == 1) {
            saver.pushLeftClick();
        } else if (tick == 2) {
            saver.pushKey(SDLK_a);
        }
    };
    saver.setFrameTimer(0);
    saver.runMessageLoop();
    EXPECT_EQ(saver.ticks, 2);
}
