#pragma once

#include "display/PixelBufferDesc.h"
#include "display/PixelView.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct _XDisplay;
struct _XImage;
struct _XGC;

namespace X11 {

// A child window of our own inside a window of another program (the preview area of a settings
// dialog, or the window a saver daemon gives us), covering the parent's whole inside, also when
// the parent changes size. It shows a 24-bit picture of its own size and tells when it was
// uncovered, resized with its parent or destroyed, the latter also when the parent goes away.
class X11ChildWindow {
public:
    enum class Event { Nothing, Exposed, Resized, Destroyed };

    // Throws DX5::NoDirectX5Error when no X display can be opened, BasicError when the parent
    // window does not exist or the child cannot be made. The child is not shown yet.
    explicit X11ChildWindow(unsigned long parentWindow);
    ~X11ChildWindow();
    X11ChildWindow(const X11ChildWindow&) = delete;
    X11ChildWindow& operator=(const X11ChildWindow&) = delete;

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    unsigned long id() const { return window_; }

    void show();
    // Sends the given parts of picture (24 bits, red in bits 16 to 23, this window's size) to the
    // window, and waits until the server has them.
    void paint(const PixelBufferDesc& picture, std::span<const Pixels::PixelRect> areas);
    void paintWhole(const PixelBufferDesc& picture);

    // The next event that matters, without waiting; Nothing when there is none.
    Event nextEvent();
    // Sleeps until the display has something for us or the time is up.
    void waitForEvents(uint32_t milliseconds);

private:
    struct DisplayCloser {
        void operator()(_XDisplay* display) const;
    };

    void createImage();
    void destroyImage();
    void followParentSize(int32_t width, int32_t height);
    void convertArea(const PixelBufferDesc& picture, const Pixels::PixelRect& area);
    void putArea(const Pixels::PixelRect& area);

    std::unique_ptr<_XDisplay, DisplayCloser> display_;
    unsigned long parent_ = 0;
    unsigned long window_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    _XGC* gc_ = nullptr;
    _XImage* image_ = nullptr;
    std::vector<char> imageBytes_;
    bool destroyed_ = false;
};

} // namespace X11
