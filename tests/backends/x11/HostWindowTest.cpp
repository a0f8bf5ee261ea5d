#include "backends/x11/HostWindow.h"

#include "backends/x11/MonitorLayout.h"
#include "display/DX5Error.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

// Points DISPLAY at a server that is not there while it lives.
class NoXServer {
public:
    NoXServer() : saved_(std::getenv("DISPLAY")) {
        if (saved_ != nullptr) {
            previous_ = saved_;
        }
        ::setenv("DISPLAY", ":4711", 1);
    }
    ~NoXServer() {
        if (saved_ != nullptr) {
            ::setenv("DISPLAY", previous_.c_str(), 1);
        } else {
            ::unsetenv("DISPLAY");
        }
    }

private:
    const char* saved_;
    std::string previous_;
};

// Started by a daemon on a display that cannot be reached, the saver says which display it
// tried (an error of the graphics layer, so the program ends with status 1).
TEST(HostWindowTest, WithoutAnXServerTheDisplayIsNamed) {
    const NoXServer none;
    try {
        X11::HostWindow::checked(0x400001);
        FAIL() << "no error";
    } catch (const DX5::NoDirectX5Error& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("\":4711\""));
    }
    EXPECT_FALSE(X11::HostWindow::desktopUnder(0x400001).has_value());
}

// Without a server there are no monitors to span: the saver window stays as it was.
TEST(HostWindowTest, WithoutAnXServerThereAreNoMonitorBounds) {
    const NoXServer none;
    const Pixels::PixelRect bounds = X11::MonitorLayout::ofXServer().bounds();
    EXPECT_EQ(bounds.width(), 0);
    EXPECT_EQ(bounds.height(), 0);
}

// An X server's properties as the picture search sees them: which property names which pixmap,
// which pixmaps can still be read, and what was asked.
struct FakeProperties {
    std::map<std::pair<std::string, bool>, unsigned long> pixmaps;
    std::set<unsigned long> readable;
    std::vector<std::string> asked;

    std::optional<Graphics::Bitmap> firstPicture() {
        return X11::HostWindow::firstDesktopPicture(
            [this](const X11::HostWindow::PictureProperty& property) {
                asked.push_back(std::string(property.name) +
                                (property.onRootWindow ? " on root" : " on window"));
                const auto found = pixmaps.find({property.name, property.onRootWindow});
                return found != pixmaps.end() ? found->second : 0ul;
            },
            [this](unsigned long pixmap) -> std::optional<Graphics::Bitmap> {
                if (readable.count(pixmap) == 0) {
                    return std::nullopt;
                }
                Graphics::Bitmap picture(1, 1);
                picture.row(0)[0] = static_cast<uint8_t>(pixmap);
                return picture;
            });
    }
};

uint8_t pixmapShown(const std::optional<Graphics::Bitmap>& picture) {
    return picture ? picture->row(0)[0] : 0;
}

// The daemon's screenshot wins; without one, the picture the desktop put on the root window
// (where a daemon has covered the screen with black before starting us); a pixmap that is gone
// is passed over.
TEST(HostWindowTest, TheDesktopPictureIsTheScreenshotElseTheRootBackground) {
    FakeProperties server;
    server.pixmaps = {{{"_SCREENSAVER_SCREENSHOT", false}, 11},
                      {{"_SCREENSAVER_SCREENSHOT", true}, 12},
                      {{"_XROOTPMAP_ID", true}, 13},
                      {{"ESETROOT_PMAP_ID", true}, 14}};
    server.readable = {11, 12, 13, 14};
    EXPECT_EQ(pixmapShown(server.firstPicture()), 11);
    server.readable.erase(11);
    EXPECT_EQ(pixmapShown(server.firstPicture()), 12);
    server.pixmaps.erase({"_SCREENSAVER_SCREENSHOT", true});
    EXPECT_EQ(pixmapShown(server.firstPicture()), 13);
    server.readable.erase(13);
    EXPECT_EQ(pixmapShown(server.firstPicture()), 14);
    server.asked.clear();
    server.readable.clear();
    EXPECT_FALSE(server.firstPicture().has_value());
    EXPECT_THAT(server.asked,
                ::testing::ElementsAre("_SCREENSAVER_SCREENSHOT on window",
                                       "_SCREENSAVER_SCREENSHOT on root", "_XROOTPMAP_ID on root",
                                       "ESETROOT_PMAP_ID on root"));
}

} // namespace
