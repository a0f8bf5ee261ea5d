#include "options/DirectXDisplayModeSelectionModel.h"

#include "display/DX5Error.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr int32_t bodyVersion = 256;

std::unique_ptr<Persistence::IStreamableObject> readModel(Persistence::InputStream& stream) {
    return std::make_unique<DirectXDisplayModeSelectionModel>(stream);
}

const Persistence::ClassRegistration registration(DirectXDisplayModeSelectionModel::classIdentifier,
                                                  readModel);

auto sortKey(const IDisplayModeDescription& mode) {
    return std::make_tuple(mode.width(), mode.height(), mode.bitsPerPixel(), mode.refreshRate());
}

bool isLarger(const std::unique_ptr<DirectXDisplayModeDescription>& left,
              const std::unique_ptr<DirectXDisplayModeDescription>& right) {
    return sortKey(*left) > sortKey(*right);
}

} // namespace

DirectXDisplayModeSelectionModel::DirectXDisplayModeSelectionModel(int32_t minimumBitsPerPixel,
                                                                   int32_t enumerateRefreshRates)
    : minimumBitsPerPixel_(minimumBitsPerPixel), enumerateRefreshRates_(enumerateRefreshRates) {}

DirectXDisplayModeSelectionModel::DirectXDisplayModeSelectionModel(Persistence::InputStream& stream)
    : DirectXDisplayModeSelectionModel(defaultMinimumBitsPerPixel, defaultEnumerateRefreshRates) {
    readBody(stream);
}

const IDisplayModeDescription* DirectXDisplayModeSelectionModel::selectedMode() const {
    if (pendingStoredMode_) {
        if (modeList() == nullptr) {
            return &*pendingStoredMode_;
        }
        selection_ = listedModeEqualTo(*pendingStoredMode_);
        pendingStoredMode_.reset();
    }
    return selection_;
}

void DirectXDisplayModeSelectionModel::restoreStoredMode(
    const DirectXDisplayModeDescription& mode) {
    selection_ = nullptr;
    pendingStoredMode_ = mode;
}

const IDisplayModeDescription* DirectXDisplayModeSelectionModel::modeToStore() const {
    return pendingStoredMode_ ? &*pendingStoredMode_ : selection_;
}

void DirectXDisplayModeSelectionModel::selectMode(const IDisplayModeDescription* mode) {
    if (mode != nullptr && !isListed(mode)) {
        throw UnknownMode();
    }
    selection_ = mode;
    // An explicit choice must not be overridden later by the mode read from storage.
    pendingStoredMode_.reset();
}

std::vector<const IDisplayModeDescription*>
DirectXDisplayModeSelectionModel::availableModes() const {
    std::vector<const IDisplayModeDescription*> modes;
    if (const ModeList* list = modeList()) {
        for (const auto& mode : *list) {
            modes.push_back(mode.get());
        }
    }
    return modes;
}

void DirectXDisplayModeSelectionModel::sortModes() {
    if (modeList() != nullptr) { // the list may not have been asked for yet
        std::stable_sort(modes_->begin(), modes_->end(), isLarger);
    }
}

void DirectXDisplayModeSelectionModel::enumerateModes(
    IDisplayDevice::RefreshRates rates, const IDisplayDevice::ModeVisitor& visit) const {
    currentDisplayDevice().enumerateModes(rates, visit);
}

void DirectXDisplayModeSelectionModel::write(Persistence::OutputStream& stream) const {
    stream.writeInt32(bodyVersion);
    stream.writeByte(useCurrentMode_ ? 1 : 0);
    stream.writeInt32(minimumBitsPerPixel_);
    stream.writeInt32(enumerateRefreshRates_);
    const IDisplayModeDescription* mode = selectedMode();
    stream.writeByte(mode != nullptr ? 1 : 0);
    if (mode != nullptr) {
        stream.writeInt32(mode->width());
        stream.writeInt32(mode->height());
        stream.writeInt32(mode->bitsPerPixel());
        stream.writeInt32(mode->refreshRate());
    }
}

const DirectXDisplayModeSelectionModel::ModeList*
DirectXDisplayModeSelectionModel::modeList() const {
    if (!modes_) {
        // Built aside, so that a failing device leaves no half list behind and a later call
        // asks again.
        ModeList modes;
        try {
            modes = enumeratedModes();
        } catch (const DX5::NoDirectX5Error&) {
            return nullptr; // no display here (no X server): nothing to match against
        }
        std::stable_sort(modes.begin(), modes.end(), isLarger);
        modes_ = std::move(modes);
    }
    return &*modes_;
}

DirectXDisplayModeSelectionModel::ModeList
DirectXDisplayModeSelectionModel::enumeratedModes() const {
    const auto rates = enumerateRefreshRates_ == 1 ? IDisplayDevice::RefreshRates::Listed
                                                   : IDisplayDevice::RefreshRates::Merged;
    ModeList modes;
    enumerateModes(rates, [this, &modes](const IDisplayDevice::Mode& mode) {
        if (mode.bitsPerPixel >= minimumBitsPerPixel_) {
            modes.push_back(std::make_unique<DirectXDisplayModeDescription>(
                mode.bitsPerPixel, mode.width, mode.height, mode.refreshRate));
        }
    });
    return modes;
}

const DirectXDisplayModeDescription* DirectXDisplayModeSelectionModel::listedModeEqualTo(
    const DirectXDisplayModeDescription& mode) const {
    const ModeList& modes = *modes_;
    const auto found = std::find_if(modes.begin(), modes.end(),
                                    [&mode](const auto& listed) { return *listed == mode; });
    return found != modes.end() ? found->get() : nullptr;
}

bool DirectXDisplayModeSelectionModel::isListed(const IDisplayModeDescription* mode) const {
    return modes_ && std::any_of(modes_->begin(), modes_->end(),
                                 [mode](const auto& listed) { return listed.get() == mode; });
}

void DirectXDisplayModeSelectionModel::readBody(Persistence::InputStream& stream) {
    // Every body holds all the fields, whatever version it names; a reader that took a low
    // version for a shorter body would lose the stored switch and mode.
    stream.readInt32();
    useCurrentMode_ = stream.readByte() != 0;
    minimumBitsPerPixel_ = stream.readInt32();
    enumerateRefreshRates_ = stream.readInt32();
    if (stream.readByte() != 0) {
        const int32_t width = stream.readInt32();
        const int32_t height = stream.readInt32();
        const int32_t bitsPerPixel = stream.readInt32();
        const int32_t refreshRate = stream.readInt32();
        pendingStoredMode_.emplace(bitsPerPixel, width, height, refreshRate);
    }
}
