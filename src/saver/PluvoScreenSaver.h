#pragma once

#include "display/Bitmap.h"
#include "display/FrameDamage.h"
#include "display/PrimarySurface.h"
#include "display/Surface.h"
#include "lightning/LightningController.h"
#include "lightning/LightningSoundManager.h"
#include "lightning/LightningView.h"
#include "rain/Drawer.h"
#include "rain/DropSystem.h"
#include "rain/DropSystemSound.h"
#include "saver/DesktopCapture.h"
#include "saver/FrameFaultCheck.h"
#include "saver/HostWindow.h"
#include "saver/OtherMonitorSavers.h"
#include "saver/ResetSchedule.h"
#include "saver/ScreenCheck.h"
#include "saver/ScreenSaverWindow.h"

#include <memory>
#include <optional>
#include <string>

class DirectDrawDevice;
class ScreenSaverOptionsStorage;

// Where the saver draws: a window of its own, full screen or on the desktop, or a window that a
// saver daemon owns (an X window id, already checked to exist).
struct SaverPlacement {
    ScreenSaverWindow::Style style = ScreenSaverWindow::Style::FullScreen;
    unsigned long hostWindow = 0;
};

// The screen as it was before the saver window appeared. An X server reads the window's own
// black into a capture of the screen once the window is mapped, so the picture is taken before
// the window part is built. In a daemon's window it is the desktop under that window.
struct DesktopAtStart {
    explicit DesktopAtStart(const SaverPlacement& placement);
    std::optional<Graphics::Bitmap> desktop_;
};

// In a daemon's window, which may go before the daemon's SIGTERM comes. Made before the window
// part and given up after it, as closing the window part still talks about the window.
struct HostWindowWatch {
    explicit HostWindowWatch(const SaverPlacement& placement);
    std::optional<HostWindow::LossWatch> hostWindowLoss_;
};

// The full-screen saver: rain over the desktop as it was at start-up, or over the user's
// pictures, one frame per timer tick at the configured share of the processor.
class PluvoScreenSaver : private HostWindowWatch, private DesktopAtStart, public ScreenSaverWindow {
public:
    // windowed: in a window on the desktop instead of over the whole screen.
    explicit PluvoScreenSaver(bool hidden, bool windowed = false);
    PluvoScreenSaver(bool hidden, const SaverPlacement& placement);
    ~PluvoScreenSaver() override;

    // 1 when another full-screen saver is running already (nothing else happens), 0 after a run.
    // In a daemon's window it always runs: the daemon starts one saver for each monitor.
    int run();

    void onTimer() override;
    void onKeyDown(int32_t key) override;
    void onPlatformEvent(const SDL_Event& event) override;

protected:
    virtual void initialize();
    virtual void runLoop();
    virtual void finish();
    // The controller times the bolts by the system clock and rand15; a test gives its own.
    virtual std::unique_ptr<LightningController>
    makeLightningController(const AreaRect& area, const IDropSystem& drops,
                            const ILightningOptions& options);
    // The picture each frame is composed on; once a frame has ended it holds the rain alone.
    const DDraw::Surface& backBuffer() const { return *backBuffer_; }

private:
    struct SceneSize {
        int32_t width;
        int32_t height;
    };

    SceneSize sceneSize() const;
    void createDrawer();
    void setUpDisplay();
    void coverOtherMonitors();
    void chooseDisplayMode(DirectDrawDevice& device);
    void createSurfaces(DirectDrawDevice& device);
    void showDesktop();
    void publishBackground();
    void createSound();
    void createDrops();
    void chooseBackground();
    void showWallpaper(const std::string& file);
    void followWindowSize();
    void createLightning();
    bool lightningActive() const;
    void drawLightning();
    void restoreLightning();
    void addDamage(const AreaRect& area);
    void startResetClock();
    void renderFrame();
    void collectDropDamage();
    void drawDrops();
    void present();
    void countPresentedFrame();
    bool restoreSurfaces();
    void resetBackground();

    ScreenSaverOptionsStorage& options_;
    bool windowed_;
    // In a daemon's window, or over monitors that no single display covers.
    bool drawsAtWindowSize_;
    unsigned long hostWindow_;
    // The daemon's window has a new size, which the next frame takes.
    bool sizeChanged_ = false;
    std::string wallpaperShown_;
    std::unique_ptr<OtherMonitorSavers> otherMonitors_;
    std::unique_ptr<Drawer> drawer_;
    std::unique_ptr<DropSystem> dropSystem_;
    std::unique_ptr<DropSystemSound> dropSound_;
    std::unique_ptr<DDraw::PrimarySurface> primarySurface_;
    std::unique_ptr<DDraw::Surface> backgroundSurface_;
    DDraw::Surface* backBuffer_ = nullptr; // part of the primary surface's chain
    // The view holds the controller's bolt, so it goes first.
    std::unique_ptr<LightningController> lightningController_;
    std::unique_ptr<LightningView> lightningView_;
    std::unique_ptr<LightningSoundManager> thunderPlayer_;
    ResetSchedule resetSchedule_;
    // What this frame changed on the back buffer, and so what the flip must show.
    DDraw::FrameDamage damage_{0, 0};
    // What the view put back after the last present: the screen still shows the bolt or flash
    // there until the next present sends it.
    AreaRect restoredByLightning_;
    uint32_t presentedFrames_ = 0;
    ScreenCheck screenCheck_;
    FrameFaultCheck faultCheck_;
    double firstPresentAt_ = 0.0;
};
