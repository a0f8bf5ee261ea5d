#include "scene/SceneSurfaces.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "platform/Deadline.h"
#include "platform/MillisecondClock.h"
#include "scene/SceneErrors.h"

namespace Scene {

namespace {

// How long the display may stay busy before the saver gives up on it.
constexpr uint32_t displayBusyTimeout = 5000;

// Copies source onto target, waiting while either is busy, for at most displayBusyTimeout.
// Returns false when the display stayed busy.
bool copyWhenFree(Pixels::PixelSurface& source, Pixels::PixelSurface& target) {
    const Deadline deadline(systemClock(), displayBusyTimeout);
    for (;;) {
        while ((source.bltStatus() != DX5::DD_OK || target.bltStatus() != DX5::DD_OK) &&
               !deadline.isReached()) {
        }
        try {
            source.copyTo(target);
            return true;
        } catch (const DX5::Error& error) {
            if (error.code() != DX5::DDERR_SURFACEBUSY || deadline.isReached()) {
                throw;
            }
        }
    }
}

bool isBusy(const DX5::Error& error) {
    return error.code() == DX5::DDERR_WASSTILLDRAWING || error.code() == DX5::DDERR_SURFACEBUSY;
}

} // namespace

SceneSurfaces::SceneSurfaces(std::unique_ptr<Pixels::PrimarySurface> primary,
                             std::unique_ptr<Pixels::PixelSurface> background)
    : primary_(std::move(primary)), background_(std::move(background)),
      backBuffer_(&primary_->backBuffer()) {}

void SceneSurfaces::publishBackground() {
    bool shown = false;
    try {
        shown = copyWhenFree(*backBuffer_, *primary_);
    } catch (const DX5::Error&) {
        shown = false;
    }
    if (!shown) {
        throw SceneErrors::cannotDrawToDisplay();
    }
    copyWhenFree(*backBuffer_, *background_);
}

bool SceneSurfaces::present(const Pixels::FrameDamage& changed) {
    const Deadline deadline(systemClock(), displayBusyTimeout);
    bool restored = false;
    for (;;) {
        try {
            if (changed.coversWholeFrame()) {
                primary_->flip();
            } else {
                primary_->flip(changed.rects());
            }
            return true;
        } catch (const DX5::Error& error) {
            if (isBusy(error) && !deadline.isReached()) {
                continue;
            }
            if (error.code() == DX5::DDERR_SURFACELOST && !restored && restoreLost()) {
                restored = true;
                continue;
            }
            return false;
        }
    }
}

bool SceneSurfaces::restoreLost() {
    try {
        if (primary_->isLost()) {
            primary_->restore();
        }
        if (background_->isLost()) {
            background_->restore();
        }
        return true;
    } catch (const DX5::Error&) {
        return false;
    }
}

void SceneSurfaces::refreshScreen() {
    if (primary_->isLost()) {
        return;
    }
    try {
        primary_->refreshScreen();
    } catch (const DX5::Error&) {
        // A lost screen is restored and shown whole by the next frame.
    }
}

void SceneSurfaces::showBackground() {
    if (restoreLost()) {
        background_->copyTo(*primary_);
    }
}

} // namespace Scene
