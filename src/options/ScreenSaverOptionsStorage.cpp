#include "options/ScreenSaverOptionsStorage.h"

#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <bit>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

// The sections of the record, by the version that introduced them.
constexpr uint32_t dropsAndDisplaySection = 256;
constexpr uint32_t wallpaperAndSpeedSection = 512;
constexpr uint32_t lightningSection = 768;
constexpr uint32_t soundSection = 1024;
constexpr uint32_t flashSection = 1280;
constexpr uint32_t objectSection = 1536;

// A new record stores the reset as off, every two minutes, unlike a bare control-options object.
constexpr int32_t recordResetPeriod = 120;

} // namespace

// Reads the plain sections. A record cut short keeps the defaults of everything from the first
// field that is missing on, so a short read ends all further reading instead of failing.
class ScreenSaverOptionsStorage::PlainReader {
public:
    explicit PlainReader(std::istream& bytes) : stream_(bytes) {}

    bool complete() const { return complete_; }

    template <typename Read> bool read(Read readField) {
        if (!complete_) {
            return false;
        }
        try {
            readField(stream_);
            return true;
        } catch (const Persistence::InputStream::Error&) {
            complete_ = false;
            return false;
        }
    }
    void int32(int32_t& field) {
        read([&](Persistence::InputStream& in) { field = in.readInt32(); });
    }
    void uint32(uint32_t& field) {
        read([&](Persistence::InputStream& in) { field = in.readUInt32(); });
    }
    void float32(float& field) {
        read([&](Persistence::InputStream& in) { field = std::bit_cast<float>(in.readUInt32()); });
    }
    void byte(uint8_t& field) {
        read([&](Persistence::InputStream& in) { field = in.readByte(); });
    }
    void boolean(bool& field) {
        read([&](Persistence::InputStream& in) { field = in.readByte() != 0; });
    }

private:
    Persistence::InputStream stream_;
    bool complete_ = true;
};

ScreenSaverOptionsStorage::ScreenSaverOptionsStorage()
    : controlOptions_(std::make_unique<ScreensaverControlOptions>()),
      wallpaperList_(std::make_unique<DefaultWallpaperListModel>()) {
    controlOptions_->setResetEnabled(false);
    controlOptions_->setResetPeriod(recordResetPeriod);
}

ScreenSaverOptionsStorage::ScreenSaverOptionsStorage(std::istream& bytes)
    : ScreenSaverOptionsStorage() {
    PlainReader reader(bytes);
    uint32_t version = 0;
    reader.uint32(version);
    readPlainSections(reader, version);
    if (reader.complete() && version >= objectSection) {
        readObjectSection(bytes);
    }
}

ScreenSaverOptionsStorage::~ScreenSaverOptionsStorage() = default;

// The sine and cosine of the float angle are single precision (so that 90 degrees gives the
// whole force downward); only the product is formed in extended precision.
int32_t ScreenSaverOptionsStorage::windX() const {
    return static_cast<int32_t>(static_cast<long double>(std::cos(windAngle_)) *
                                static_cast<long double>(-windForce_));
}

int32_t ScreenSaverOptionsStorage::windY() const {
    return static_cast<int32_t>(static_cast<long double>(std::sin(windAngle_)) *
                                static_cast<long double>(windForce_));
}

double ScreenSaverOptionsStorage::minWindAngle() const {
    return std::numbers::pi * 0.05555555555555556;
}

double ScreenSaverOptionsStorage::maxWindAngle() const {
    return std::numbers::pi * 0.9444444444444445;
}

std::unique_ptr<DirectXDisplayModeSelectionModel>
ScreenSaverOptionsStorage::createDisplayModeSelectionModel() {
    return std::make_unique<DirectXDisplayModeSelectionModel>(8, 0);
}

DirectXDisplayModeSelectionModel& ScreenSaverOptionsStorage::displayModeSelectionModel() {
    if (!displayModeModel_) {
        auto model = createDisplayModeSelectionModel();
        model->setUseCurrentMode(useCurrentMode_);
        // Matched against the display's modes when the selection is first asked for, and kept
        // as it is where no display can be asked. Zeros name no mode at all.
        if (!useCurrentMode_ && storedMode_.width() != 0) {
            model->restoreStoredMode(storedMode_);
        }
        displayModeModel_ = std::move(model);
    }
    return *displayModeModel_;
}

void ScreenSaverOptionsStorage::readPlainSections(PlainReader& in, uint32_t version) {
    if (version >= dropsAndDisplaySection) {
        in.int32(density_);
        in.int32(windForce_);
        in.float32(windAngle_);
        in.int32(minRadius_);
        in.int32(radiusSpread_);
        in.boolean(useCurrentMode_);
        bool resetEnabled = controlOptions_->resetEnabled();
        in.boolean(resetEnabled);
        controlOptions_->setResetEnabled(resetEnabled);
        int32_t minutes = 0;
        int32_t seconds = 0;
        in.int32(minutes);
        if (in.read([&](Persistence::InputStream& stream) { seconds = stream.readInt32(); })) {
            // A damaged record may hold any minutes; the period wraps rather than overflows.
            const int64_t period = int64_t{seconds} + int64_t{minutes} * 60;
            controlOptions_->setResetPeriod(static_cast<int32_t>(static_cast<uint32_t>(period)));
        }
        int32_t bitsPerPixel = 0;
        int32_t width = 0;
        int32_t height = 0;
        int32_t refreshRate = 0;
        in.int32(width);
        in.int32(height);
        in.int32(bitsPerPixel);
        in.int32(refreshRate);
        storedMode_ = DirectXDisplayModeDescription(bitsPerPixel, width, height, refreshRate);
    }
    if (version >= wallpaperAndSpeedSection) {
        uint32_t count = 0;
        in.uint32(count);
        std::vector<std::string> files;
        for (uint32_t i = 0; i < count && in.complete(); ++i) {
            in.read(
                [&](Persistence::InputStream& stream) { files.push_back(stream.readString()); });
        }
        wallpaperList_->setFiles(files);
        uint32_t randomOrder = 0;
        if (in.read([&](Persistence::InputStream& stream) { randomOrder = stream.readUInt32(); })) {
            wallpaperList_->setOrderMode(randomOrder != 0 ? IWallpaperListModel::randomOrder
                                                          : IWallpaperListModel::fixedOrder);
        }
        uint32_t nextIndex = 0;
        if (in.read([&](Persistence::InputStream& stream) { nextIndex = stream.readUInt32(); })) {
            wallpaperList_->setNextIndex(nextIndex);
        }
        in.int32(speed_);
        in.boolean(densityRampUp_);
    }
    if (version >= lightningSection) {
        in.boolean(boltsEnabled_);
        in.uint32(boltColour_);
        in.int32(randomColour_);
        in.int32(minInterval_);
        in.int32(intervalSpread_);
    }
    if (version >= soundSection) {
        in.boolean(soundEnabled_);
        in.float32(rainVolume_);
        in.float32(thunderVolume_);
    }
    if (version >= flashSection) {
        in.boolean(flashesEnabled_);
        in.byte(flashThreshold_);
        in.uint32(flashColour_);
    }
}

// The objects win over the plain sections' values. One that is not of the expected class is
// dropped and the object held before is kept.
void ScreenSaverOptionsStorage::readObjectSection(std::istream& bytes) {
    Persistence::InputStream stream(bytes);
    if (auto control = stream.readObject().releaseAs<ScreensaverControlOptions>()) {
        controlOptions_ = std::move(control);
    }
    if (auto model = stream.readObject().releaseAs<DirectXDisplayModeSelectionModel>()) {
        displayModeModel_ = std::move(model);
    }
    if (auto wallpapers = stream.readObject().releaseAs<DefaultWallpaperListModel>()) {
        wallpaperList_ = std::move(wallpapers);
    }
}

void ScreenSaverOptionsStorage::write(std::ostream& bytes, uint32_t version) {
    Persistence::OutputStream out(bytes);
    out.writeUInt32(version);
    if (version >= dropsAndDisplaySection) {
        out.writeInt32(density_);
        out.writeInt32(windForce_);
        out.writeUInt32(std::bit_cast<uint32_t>(windAngle_));
        out.writeInt32(minRadius_);
        out.writeInt32(radiusSpread_);
        DirectXDisplayModeSelectionModel& model = displayModeSelectionModel();
        out.writeByte(model.useCurrentMode() ? 1 : 0);
        out.writeByte(controlOptions_->resetEnabled() ? 1 : 0);
        out.writeInt32(controlOptions_->resetPeriod() / 60);
        out.writeInt32(controlOptions_->resetPeriod() % 60);
        const IDisplayModeDescription* mode =
            model.useCurrentMode() ? nullptr : model.selectedMode();
        out.writeInt32(mode != nullptr ? mode->width() : 0);
        out.writeInt32(mode != nullptr ? mode->height() : 0);
        out.writeInt32(mode != nullptr ? mode->bitsPerPixel() : 0);
        out.writeInt32(mode != nullptr ? mode->refreshRate() : 0);
    }
    if (version >= wallpaperAndSpeedSection) {
        const std::vector<std::string>& files = wallpaperList_->files();
        out.writeUInt32(static_cast<uint32_t>(files.size()));
        for (const std::string& file : files) {
            out.writeString(file);
        }
        out.writeUInt32(wallpaperList_->orderMode() != 0 ? 1 : 0);
        out.writeUInt32(wallpaperList_->nextIndex());
        out.writeInt32(speed_);
        out.writeByte(densityRampUp_ ? 1 : 0);
    }
    if (version >= lightningSection) {
        out.writeByte(boltsEnabled_ ? 1 : 0);
        out.writeUInt32(boltColour_);
        out.writeInt32(randomColour_);
        out.writeInt32(minInterval_);
        out.writeInt32(intervalSpread_);
    }
    if (version >= soundSection) {
        out.writeByte(soundEnabled_ ? 1 : 0);
        out.writeUInt32(std::bit_cast<uint32_t>(rainVolume_));
        out.writeUInt32(std::bit_cast<uint32_t>(thunderVolume_));
    }
    if (version >= flashSection) {
        out.writeByte(flashesEnabled_ ? 1 : 0);
        out.writeByte(flashThreshold_);
        out.writeUInt32(flashColour_);
    }
    if (version >= objectSection) {
        Persistence::OutputStream objects(bytes);
        objects.writeObject(*controlOptions_);
        objects.writeObject(displayModeSelectionModel());
        objects.writeObject(*wallpaperList_);
    }
}
