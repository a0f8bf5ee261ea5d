#include "backends/x11/OtherMonitorSavers.h"

#include "backends/x11/HostWindow.h"
#include "backends/x11/X11Property.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace X11 {

std::vector<std::string> OtherMonitorSavers::thisRunsArguments() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\0', start);
        words.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    if (!words.empty()) {
        words.erase(words.begin());
    }
    return words;
}

std::string OtherMonitorSavers::thisProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

namespace {

pid_t startSaver(std::string program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words = arguments;
    std::vector<char*> argv{program.data()};
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t saver = 0;
    if (::posix_spawn(&saver, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return 0;
    }
    return saver;
}

} // namespace

std::vector<Pixels::PixelRect>
OtherMonitorSavers::outside(const std::vector<Pixels::PixelRect>& monitors,
                            const Pixels::PixelRect& covered) {
    std::vector<Pixels::PixelRect> others;
    for (const Pixels::PixelRect& monitor : monitors) {
        if (!monitor.overlaps(covered)) {
            others.push_back(monitor);
        }
    }
    return others;
}

std::vector<std::string>
OtherMonitorSavers::saverArguments(const std::vector<std::string>& ownArguments,
                                   unsigned long window) {
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", window);
    // The rain and the thunder are heard once, from the saver that started them.
    std::vector<std::string> arguments = ownArguments;
    arguments.insert(arguments.end(), {"--no-sound", "--window-id", id});
    return arguments;
}

OtherMonitorSavers::OtherMonitorSavers(const std::vector<Pixels::PixelRect>& monitors,
                                       std::string program, std::vector<std::string> arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {
    if (monitors.empty() || (display_ = XOpenDisplay(nullptr)) == nullptr) {
        return;
    }
    // Taken before any window of ours lies over the desktop.
    const int screen = DefaultScreen(display_);
    const Window root = RootWindow(display_, screen);
    const auto width = static_cast<unsigned>(DisplayWidth(display_, screen));
    const auto height = static_cast<unsigned>(DisplayHeight(display_, screen));
    screenshot_ = XCreatePixmap(display_, root, width, height,
                                static_cast<unsigned>(DefaultDepth(display_, screen)));
    GC copy = XCreateGC(display_, root, 0, nullptr);
    XSetSubwindowMode(display_, copy, IncludeInferiors);
    XCopyArea(display_, root, screenshot_, copy, 0, 0, width, height, 0, 0);
    XFreeGC(display_, copy);
    for (const Pixels::PixelRect& monitor : monitors) {
        coverWithSaver(monitor);
    }
    XFlush(display_);
}

void OtherMonitorSavers::coverWithSaver(const Pixels::PixelRect& monitor) {
    const int screen = DefaultScreen(display_);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel(display_, screen);
    const Window window = XCreateWindow(
        display_, RootWindow(display_, screen), monitor.left, monitor.top,
        static_cast<unsigned>(monitor.width()), static_cast<unsigned>(monitor.height()), 0,
        CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    const Atom property = XInternAtom(display_, HostWindow::screenshotProperty, False);
    XChangeProperty(display_, window, property, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&screenshot_), 1);
    XMapRaised(display_, window);
    // The saver reads the window's size and property at once: both must have reached the server.
    XSync(display_, False);
    windows_.push_back(window);
    if (const pid_t saver = startSaver(program_, saverArguments(arguments_, window))) {
        savers_.push_back(saver);
    }
}

OtherMonitorSavers::~OtherMonitorSavers() {
    for (const pid_t saver : savers_) {
        ::kill(saver, SIGTERM);
    }
    for (const pid_t saver : savers_) {
        int status = 0;
        while (::waitpid(saver, &status, 0) < 0 && errno == EINTR) {
        }
    }
    if (display_ == nullptr) {
        return;
    }
    for (const unsigned long window : windows_) {
        XDestroyWindow(display_, window);
    }
    if (screenshot_ != 0) {
        XFreePixmap(display_, screenshot_);
    }
    XCloseDisplay(display_);
}

} // namespace X11
