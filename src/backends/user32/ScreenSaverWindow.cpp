#include "backends/user32/ScreenSaverWindow.h"

#include "backends/directx/DirectDrawDevice.h"
#include "backends/win32/WideText.h"
#include "platform/AbnormalTerminationQueueMemFunAction.h"
#include "scene/InterruptionPolicy.h"
#include "scene/MouseReference.h"

#include <algorithm>
#include <stdexcept>

namespace User32 {

namespace {

constexpr const wchar_t* windowClassName = L"ScreensaverMainWndClass";
constexpr UINT_PTR frameTimer = 1;

// Registered once per process, on first use.
void registerWindowClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        windowClass.lpszClassName = windowClassName;
        return RegisterClassW(&windowClass);
    }();
    if (atom == 0) {
        throw std::runtime_error("the saver's window class could not be registered");
    }
}

// At the primary screen's size: with CW_USEDEFAULT a system without a window manager (Wine on
// a bare X server) leaves the window 1 x 1 and nothing shows.
HWND createWindow(const std::string& title, WNDPROC procedure) {
    registerWindowClass(procedure);
    const HWND window =
        CreateWindowExW(0, windowClassName, Win32::wide(title).c_str(), WS_POPUP | WS_MAXIMIZE, 0,
                        0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        throw std::runtime_error("the saver's window could not be created: GetLastError() = " +
                                 std::to_string(GetLastError()));
    }
    return window;
}

Scene::InputEvent::Button buttonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return Scene::InputEvent::Button::Left;
    case WM_RBUTTONDOWN:
        return Scene::InputEvent::Button::Right;
    case WM_MBUTTONDOWN:
        return Scene::InputEvent::Button::Middle;
    default:
        return Scene::InputEvent::Button::Other;
    }
}

} // namespace

ScreenSaverWindow::ScreenSaverWindow(const std::string& title, bool hidden, int32_t interruptMode)
    : loop_([this] { onTimer(); }) {
    loop_.setInterruptionPolicy(
        Scene::InterruptionPolicy(interruptMode, Scene::MouseReference::processWide()));
    window_ = createWindow(title, windowProcedure);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    savedCursor_ = SetCursor(nullptr);
    shutDownOnAbnormalTermination_ = AbnormalTerminationQueue::processWide().append(
        std::make_unique<AbnormalTerminationQueueMemFunAction<ScreenSaverWindow>>(
            *this, &ScreenSaverWindow::shutDown));
    if (!hidden) {
        ShowWindow(window_, SW_SHOW);
        DDraw::DirectDrawDevice::openDevice();
    }
}

ScreenSaverWindow::~ScreenSaverWindow() {
    stopFrameTimer();
    closing_ = true;
    shutDownOnAbnormalTermination_.cancel();
    try {
        shutDown();
    } catch (...) {
        // Nobody is left to tell; the window went regardless.
    }
    SetCursor(savedCursor_);
}

void ScreenSaverWindow::shutDown() {
    try {
        DDraw::DirectDrawDevice::releaseDevice();
    } catch (...) {
        destroyWindow();
        throw;
    }
    destroyWindow();
}

void ScreenSaverWindow::destroyWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

LRESULT CALLBACK ScreenSaverWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
    auto* saver = reinterpret_cast<ScreenSaverWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (saver == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return saver->handleMessage(message, wParam, lParam);
}

LRESULT ScreenSaverWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (wParam != 0) {
            break;
        }
        loop_.onInput(Scene::InputEvent::focusLost(), closing_);
        return 0;
    case WM_CLOSE:
        loop_.onInput(Scene::InputEvent::closeRequest(), closing_);
        return 0;
    case WM_ERASEBKGND:
        // The window never paints: the desktop stays visible until DirectDraw draws.
        return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        onKeyDown(static_cast<int32_t>(wParam));
        loop_.onInput(Scene::InputEvent::keyDown(static_cast<int32_t>(wParam)), closing_);
        return 0;
    case WM_SYSCOMMAND:
        // The system would start the saver again over itself.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE) {
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        loop_.onInput(Scene::InputEvent::mouseMove(LOWORD(lParam), HIWORD(lParam)), closing_);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        loop_.onInput(Scene::InputEvent::buttonDown(buttonOf(message)), closing_);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// Timer 1 wakes the wait when the next frame is due; the loop decides on its own clock whether
// it is. Every other message is handled as it comes.
void ScreenSaverWindow::waitForEvents(uint32_t milliseconds) {
    if (window_ != nullptr) {
        SetTimer(window_, frameTimer, std::max<UINT>(milliseconds, USER_TIMER_MINIMUM), nullptr);
    }
    MSG message{};
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
        requestQuit();
        return;
    }
    if (got > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool ScreenSaverWindow::quitSignalled() const {
    return QuitSignalHandler::quitRequested();
}

} // namespace User32
