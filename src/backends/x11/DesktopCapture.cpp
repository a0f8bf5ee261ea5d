#include "backends/x11/DesktopCapture.h"

#include "platform/StartupTrace.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <algorithm>
#include <bit>
#include <cstddef>
#include <memory>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace X11 {

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct ImageDestroyer {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

// Scales a channel read through its mask to 0..255.
uint8_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const unsigned long maximum = mask >> shift;
    return static_cast<uint8_t>(((pixel & mask) >> shift) * 255 / maximum);
}

// The usual true-colour screen: four bytes a pixel, blue first. Read row by row, as a pixel at
// a time through Xlib takes tens of milliseconds for a large screen.
bool isPlainTrueColour(const XImage& image) {
    return image.bits_per_pixel == 32 && image.byte_order == LSBFirst &&
           image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 && image.blue_mask == 0xFF;
}

void copyTrueColourRows(const XImage& image, Graphics::Bitmap& bitmap) {
    for (int32_t y = 0; y < image.height; ++y) {
        const auto* source = reinterpret_cast<const uint8_t*>(image.data) +
                             static_cast<std::ptrdiff_t>(y) * image.bytes_per_line;
        uint8_t* target = bitmap.row(y);
        for (int32_t x = 0; x < image.width; ++x, source += 4, target += 3) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
}

bool sharedMemoryFailed = false;

int noteSharedMemoryFailure(Display*, XErrorEvent*) {
    sharedMemoryFailed = true;
    return 0;
}

// A segment of shared memory the X server writes a picture into: for a whole screen several
// times faster than sending it through the connection. The segment is marked for removal at
// once, so that it goes with the process however that ends.
class SharedImage {
public:
    SharedImage(Display* display, int32_t width, int32_t height) : display_(display) {
        const int screen = DefaultScreen(display);
        image_ =
            XShmCreateImage(display, DefaultVisual(display, screen),
                            static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, nullptr,
                            &segment_, static_cast<unsigned>(width), static_cast<unsigned>(height));
        if (image_ == nullptr) {
            return;
        }
        segment_.shmid =
            shmget(IPC_PRIVATE, static_cast<std::size_t>(image_->bytes_per_line) * image_->height,
                   IPC_CREAT | 0600);
        if (segment_.shmid < 0) {
            return;
        }
        segment_.shmaddr = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
        shmctl(segment_.shmid, IPC_RMID, nullptr);
        if (segment_.shmaddr == reinterpret_cast<char*>(-1)) {
            segment_.shmaddr = nullptr;
            return;
        }
        image_->data = segment_.shmaddr;
        segment_.readOnly = False;
        // A server on another machine cannot reach the segment; it says so with an error.
        sharedMemoryFailed = false;
        const auto previous = XSetErrorHandler(noteSharedMemoryFailure);
        attached_ = XShmAttach(display, &segment_) != 0;
        XSync(display, False);
        XSetErrorHandler(previous);
        attached_ = attached_ && !sharedMemoryFailed;
    }
    ~SharedImage() {
        if (attached_) {
            XShmDetach(display_, &segment_);
            XSync(display_, False);
        }
        if (image_ != nullptr) {
            image_->data = nullptr;
            XDestroyImage(image_);
        }
        if (segment_.shmaddr != nullptr) {
            shmdt(segment_.shmaddr);
        }
    }
    SharedImage(const SharedImage&) = delete;
    SharedImage& operator=(const SharedImage&) = delete;

    // The picture of the area, or null when shared memory cannot be used.
    XImage* read(Window window, int32_t x, int32_t y) {
        if (!attached_) {
            return nullptr;
        }
        sharedMemoryFailed = false;
        const auto previous = XSetErrorHandler(noteSharedMemoryFailure);
        const bool read = XShmGetImage(display_, window, image_, x, y, AllPlanes) != 0;
        XSync(display_, False);
        XSetErrorHandler(previous);
        return read && !sharedMemoryFailed ? image_ : nullptr;
    }

private:
    Display* display_;
    XShmSegmentInfo segment_{};
    XImage* image_ = nullptr;
    bool attached_ = false;
};

} // namespace

Graphics::Bitmap bitmapFromXImage(XImage& image) {
    Graphics::Bitmap bitmap(image.width, image.height);
    if (isPlainTrueColour(image)) {
        copyTrueColourRows(image, bitmap);
        return bitmap;
    }
    for (int32_t y = 0; y < image.height; ++y) {
        uint8_t* target = bitmap.row(y);
        for (int32_t x = 0; x < image.width; ++x, target += 3) {
            const unsigned long pixel = XGetPixel(&image, x, y);
            target[0] = channel(pixel, image.blue_mask);
            target[1] = channel(pixel, image.green_mask);
            target[2] = channel(pixel, image.red_mask);
        }
    }
    return bitmap;
}

std::optional<Graphics::Bitmap> captureDesktop() {
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        return std::nullopt;
    }
    const int screen = DefaultScreen(display.get());
    return captureDesktopArea(0, 0, DisplayWidth(display.get(), screen),
                              DisplayHeight(display.get(), screen));
}

std::optional<Graphics::Bitmap> captureDesktopArea(int32_t x, int32_t y, int32_t width,
                                                   int32_t height) {
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const Window root = DefaultRootWindow(display.get());
    if (XShmQueryExtension(display.get())) {
        SharedImage shared(display.get(), width, height);
        if (XImage* image = shared.read(root, x, y)) {
            Graphics::Bitmap bitmap = bitmapFromXImage(*image);
            StartupTrace::note("desktop captured");
            return bitmap;
        }
    }
    std::unique_ptr<XImage, ImageDestroyer> image(
        XGetImage(display.get(), root, x, y, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap));
    if (!image) {
        return std::nullopt;
    }
    Graphics::Bitmap bitmap = bitmapFromXImage(*image);
    StartupTrace::note("desktop captured");
    return bitmap;
}

std::optional<Graphics::Bitmap> captureScreenCorner(int32_t width, int32_t height) {
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    const int screen = DefaultScreen(display.get());
    const int32_t readWidth = std::min(width, DisplayWidth(display.get(), screen));
    const int32_t readHeight = std::min(height, DisplayHeight(display.get(), screen));
    std::unique_ptr<XImage, ImageDestroyer> image(XGetImage(
        display.get(), RootWindow(display.get(), screen), 0, 0, static_cast<unsigned>(readWidth),
        static_cast<unsigned>(readHeight), AllPlanes, ZPixmap));
    if (!image) {
        return std::nullopt;
    }
    const Graphics::Bitmap corner = bitmapFromXImage(*image);
    Graphics::Bitmap bitmap(width, height);
    for (int32_t y = 0; y < readHeight; ++y) {
        std::copy_n(corner.row(y), readWidth * 3, bitmap.row(y));
    }
    return bitmap;
}

} // namespace X11
