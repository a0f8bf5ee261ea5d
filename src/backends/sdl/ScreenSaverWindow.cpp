#include "backends/sdl/ScreenSaverWindow.h"

#include "backends/sdl/SaverWindowError.h"
#include "backends/sdl/SdlDisplay.h"
#include "backends/sdl/SdlInputTranslator.h"
#include "backends/x11/MonitorLayout.h"
#include "backends/x11/WindowManager.h"
#include "platform/AbnormalTerminationQueueMemFunAction.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <poll.h>

namespace {

bool coversScreen(ScreenSaverWindow::Style style) {
    return style == ScreenSaverWindow::Style::FullScreen ||
           style == ScreenSaverWindow::Style::AllMonitors;
}

Scene::InterruptionPolicy::Placement placementOf(ScreenSaverWindow::Style style) {
    return coversScreen(style) ? Scene::InterruptionPolicy::Placement::FullScreen
                               : Scene::InterruptionPolicy::Placement::DesktopWindow;
}

SDL_Rect primaryDisplayBounds() {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(0, &bounds) != 0) {
        throw Sdl::SaverWindowError::fromSdl("find the size of the screen");
    }
    return bounds;
}

SDL_Window* createFullScreenWindow(const std::string& title) {
    // Without a window manager a full-screen window keeps the size it was made with, so it is made
    // as large as the screen before it goes full screen.
    const SDL_Rect bounds = primaryDisplayBounds();
    SDL_Window* window = SDL_CreateWindow(title.c_str(), bounds.x, bounds.y, bounds.w, bounds.h,
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (window != nullptr && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        SDL_DestroyWindow(window);
        throw Sdl::SaverWindowError::fromSdl("make the saver window full screen");
    }
    return window;
}

// SDL's full screen covers one of its displays, and SDL lists outputs: a second output is a
// display of its own. A window that the window manager leaves alone covers them all.
SDL_Window* createWindowOverMonitors(const std::string& title, const Pixels::PixelRect& bounds) {
    SDL_SetHint(SDL_HINT_X11_FORCE_OVERRIDE_REDIRECT, "1");
    SDL_Window* window =
        SDL_CreateWindow(title.c_str(), bounds.left, bounds.top, bounds.width(), bounds.height(),
                         SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALWAYS_ON_TOP);
    SDL_SetHint(SDL_HINT_X11_FORCE_OVERRIDE_REDIRECT, "0");
    return window;
}

bool sameArea(const SDL_Rect& display, const Pixels::PixelRect& monitors) {
    return Pixels::PixelRect::ofSize(display.x, display.y, display.w, display.h) == monitors;
}

// SDL hears nothing of another program's window changing size. Asked through SDL's own
// connection, the server tells SDL, which then reports the new size as for a window of its own.
void followSizeOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return;
    }
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) != 0) {
        XSelectInput(info.info.x11.display, info.info.x11.window,
                     attributes.your_event_mask | StructureNotifyMask);
    }
}

// The descriptor of SDL's connection to the X server; none on other video drivers.
std::optional<int> serverConnectionOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    return ConnectionNumber(info.info.x11.display);
}

// SDL neither destroys nor maps a window it did not make.
SDL_Window* wrapHostWindow(unsigned long hostWindow) {
    SDL_Window* window = SDL_CreateWindowFrom(reinterpret_cast<const void*>(hostWindow));
    if (window != nullptr) {
        followSizeOf(window);
    }
    return window;
}

SDL_Window* createDesktopWindow(const std::string& title) {
    const SDL_Rect bounds = primaryDisplayBounds();
    return SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                            bounds.w * 2 / 3, bounds.h * 2 / 3,
                            SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
}

} // namespace

void ScreenSaverWindow::WindowDestroyer::operator()(SDL_Window* window) const {
    SDL_DestroyWindow(window);
}

ScreenSaverWindow::ScreenSaverWindow(const std::string& title, bool hidden, int32_t interruptMode,
                                     std::unique_ptr<Sdl::ISaverDisplay> display, Style style,
                                     unsigned long hostWindow)
    : style_(style), interruptMode_(interruptMode), loop_([this] { onTimer(); }),
      window_(createWindow(title, style, hostWindow)), windowId_(SDL_GetWindowID(window_.get())),
      serverConnection_(serverConnectionOf(window_.get())), display_(std::move(display)) {
    loop_.setInterruptionPolicy(Scene::InterruptionPolicy(
        interruptMode, Scene::MouseReference::processWide(), placementOf(style_)));
    if (coversScreen(style_)) {
        hiddenCursor_.emplace();
    }
    shutDownOnAbnormalTermination_ = AbnormalTerminationQueue::processWide().append(
        std::make_unique<AbnormalTerminationQueueMemFunAction<ScreenSaverWindow>>(
            *this, &ScreenSaverWindow::shutDown));
    if (!hidden) {
        show();
        openDisplay();
    }
}

ScreenSaverWindow::~ScreenSaverWindow() {
    stopFrameTimer();
    closing_ = true;
    shutDownOnAbnormalTermination_.cancel();
    try {
        shutDown();
    } catch (...) {
        // Nobody is left to tell; shutDown() gave the window and the cursor back regardless.
    }
}

std::unique_ptr<SDL_Window, ScreenSaverWindow::WindowDestroyer>
ScreenSaverWindow::createWindow(const std::string& title, Style style, unsigned long hostWindow) {
    style_ = effectiveStyle(style);
    SDL_Window* window = nullptr;
    switch (style_) {
    case Style::FullScreen:
        window = createFullScreenWindow(title);
        break;
    case Style::AllMonitors:
        window = createWindowOverMonitors(title, X11::MonitorLayout::ofXServer().bounds());
        break;
    case Style::Windowed:
        window = createDesktopWindow(title);
        break;
    case Style::Hosted:
        window = wrapHostWindow(hostWindow);
        break;
    }
    if (window == nullptr) {
        throw Sdl::SaverWindowError::fromSdl("create the saver window");
    }
    return std::unique_ptr<SDL_Window, WindowDestroyer>(window);
}

// Needs SDL's video, which the session member has started by now.
ScreenSaverWindow::Style ScreenSaverWindow::effectiveStyle(Style style) {
    if (style != Style::AllMonitors) {
        return style;
    }
    const Pixels::PixelRect monitors = X11::MonitorLayout::ofXServer().bounds();
    const bool known = !monitors.isEmpty();
    // Without a window manager SDL's full screen waits a tenth of a second for an answer that
    // never comes; a window over the monitors is the same picture at once.
    return known && (!sameArea(primaryDisplayBounds(), monitors) || !X11::windowManagerRuns())
               ? style
               : Style::FullScreen;
}

void ScreenSaverWindow::show() {
    if (style_ == Style::Hosted) {
        return;
    }
    SDL_ShowWindow(window_.get());
    if (coversScreen(style_)) {
        // Keeps shortcuts such as Alt+F4 from the window manager: only the interruption mode
        // decides which keys end the saver.
        SDL_SetWindowKeyboardGrab(window_.get(), SDL_TRUE);
    }
}

void ScreenSaverWindow::openDisplay() {
    if (!display_) {
        return;
    }
    displayInUse_ = true;
    try {
        display_->open(*window_);
    } catch (...) {
        shutDownDisplay();
        throw;
    }
}

void ScreenSaverWindow::shutDownDisplay() {
    if (displayInUse_) {
        displayInUse_ = false;
        display_->shutDown();
    }
}

void ScreenSaverWindow::shutDown() {
    // The window and the cursor go back even when the display fails to.
    try {
        shutDownDisplay();
    } catch (...) {
        releaseWindowAndCursor();
        throw;
    }
    releaseWindowAndCursor();
}

void ScreenSaverWindow::releaseWindowAndCursor() {
    window_.reset();
    if (hiddenCursor_) {
        hiddenCursor_->restore();
    }
}

// SDL waits by asking the server's connection for events a dozen times each time it wakes. Once
// SDL has taken everything the server sent, one poll() sleeps until more arrives or the frame is
// due, and the next call hands it over.
void ScreenSaverWindow::waitForEvents(uint32_t milliseconds) {
    SDL_Event event;
    if (!serverConnection_) {
        if (SDL_WaitEventTimeout(&event, static_cast<int>(milliseconds)) != 0) {
            handleEvent(event);
        }
        return;
    }
    if (SDL_PollEvent(&event) != 0) {
        handleEvent(event);
        return;
    }
    pollfd connection{*serverConnection_, POLLIN, 0};
    poll(&connection, 1, static_cast<int>(milliseconds));
}

bool ScreenSaverWindow::quitSignalled() const {
    return QuitSignalHandler::quitRequested();
}

// A reset renderer loses every surface of the display, which the next frame restores.
void ScreenSaverWindow::handleWindowEvent(const SDL_Event& event) {
    if (Sdl::SdlDisplay::exists()) {
        Sdl::SdlDisplay::openDevice().handleEvent(event);
    }
    if (event.type != SDL_WINDOWEVENT) {
        return;
    }
    if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        onResized(event.window.data1, event.window.data2);
    } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
        onExposed();
    }
}

bool ScreenSaverWindow::belongsToThisWindow(uint32_t windowId) const {
    return windowId == 0 || windowId == windowId_;
}

void ScreenSaverWindow::handleEvent(const SDL_Event& event) {
    handleWindowEvent(event);
    if (style_ == Style::Hosted) {
        if (event.type == SDL_QUIT) {
            requestQuit();
        }
        return;
    }
    const auto input = Sdl::SdlInputTranslator::translate(event);
    if (!input || !belongsToThisWindow(input->windowId)) {
        return;
    }
    if (input->kind == Scene::InputEvent::Kind::KeyDown) {
        onKeyDown(input->key);
    }
    loop_.onInput(*input, closing_);
}
