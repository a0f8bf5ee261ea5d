#include "errors/DialogAvailability.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace ErrorDialogs {

namespace {

bool onMainThread() {
    return syscall(SYS_gettid) == getpid();
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool xDisplayReachable() {
    if (environment("DISPLAY").empty()) {
        return false;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

// The compositor's socket, found as Wayland clients find it.
bool waylandDisplayReachable() {
    std::string path = environment("WAYLAND_DISPLAY");
    if (path.empty()) {
        path = "wayland-0";
    }
    if (path.front() != '/') {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return false;
        }
        path = runtime + "/" + path;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) {
        return false;
    }
    const bool reached =
        connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(connection);
    return reached;
}

// The non-empty parts of text between the separators.
std::vector<std::string_view> partsOf(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start) {
            parts.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

// The frame buffer a "linuxfb" platform draws on: its fb= option, else the first one.
bool frameBufferUsable(std::string_view options) {
    std::string device = "/dev/fb0";
    for (const std::string_view option : partsOf(options, ':')) {
        if (option.starts_with("fb=")) {
            device = option.substr(3);
        }
    }
    const int file = open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (file < 0) {
        return false;
    }
    close(file);
    return true;
}

// Whether Qt can start the named platform plugin ("xcb", "wayland:option", ...) rather than end
// the process. Those that draw nowhere a person looks always can; a platform whose needs cannot
// be told in advance is taken as unusable, so that the text goes to standard error instead.
bool platformUsable(std::string_view entry) {
    const std::size_t colon = entry.find(':');
    const std::string_view name = entry.substr(0, colon);
    const std::string_view options = colon == std::string_view::npos ? "" : entry.substr(colon + 1);
    if (name == "offscreen" || name == "minimal" || name == "vnc") {
        return true;
    }
    if (name == "xcb") {
        return xDisplayReachable();
    }
    if (name.starts_with("wayland")) {
        return waylandDisplayReachable();
    }
    if (name == "linuxfb") {
        return frameBufferUsable(options);
    }
    return false;
}

// QT_QPA_PLATFORM may list several platforms, separated by ';', which Qt tries in turn.
bool anyPlatformUsable(std::string_view platforms) {
    const std::vector<std::string_view> names = partsOf(platforms, ';');
    return std::any_of(names.begin(), names.end(), platformUsable);
}

} // namespace

bool canShow() {
    if (!onMainThread()) {
        return false;
    }
    const std::string platforms = environment("QT_QPA_PLATFORM");
    return platforms.empty() ? xDisplayReachable() : anyPlatformUsable(platforms);
}

} // namespace ErrorDialogs
