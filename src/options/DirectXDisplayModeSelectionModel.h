#pragma once

#include "options/DirectXDisplayModeDescription.h"
#include "options/IDisplayModeSelectionModel.h"
#include "persistence/ClassId.h"
#include "persistence/IStreamableObject.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace Persistence {
class InputStream;
}

// The display-mode choice that the options record stores. The mode list is asked of the
// current display device the first time it is needed and kept from then on. Where no display can
// be opened, there is no list to match a stored mode against: the stored mode is then kept as it
// was, reported as the selection and written back unchanged, rather than forgotten.
class DirectXDisplayModeSelectionModel : public IDisplayModeSelectionModel,
                                         public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId classIdentifier = Persistence::makeClassId(
        0x956A36DE, 0x5113, 0x4AA7, {0xBE, 0xAE, 0x23, 0x58, 0xB0, 0x55, 0xC9, 0xA3});
    // What a body stored without these settings falls back to: the options record's own choice.
    static constexpr int32_t defaultMinimumBitsPerPixel = 8;
    static constexpr int32_t defaultEnumerateRefreshRates = 0;

    // enumerateRefreshRates: 1 lists every refresh rate of a size and depth as a mode of its own.
    DirectXDisplayModeSelectionModel(int32_t minimumBitsPerPixel, int32_t enumerateRefreshRates);
    // Reads a stored body. A stored mode is matched against the mode list only when the
    // selection is first asked for.
    explicit DirectXDisplayModeSelectionModel(Persistence::InputStream& stream);

    // The selection points into the model's own list.
    DirectXDisplayModeSelectionModel(const DirectXDisplayModeSelectionModel&) = delete;
    DirectXDisplayModeSelectionModel& operator=(const DirectXDisplayModeSelectionModel&) = delete;

    bool useCurrentMode() const override { return useCurrentMode_; }
    const IDisplayModeDescription* selectedMode() const override;
    void setUseCurrentMode(bool use) override { useCurrentMode_ = use; }
    void selectMode(const IDisplayModeDescription* mode) override;
    std::vector<const IDisplayModeDescription*> availableModes() const override;
    void sortModes() override;
    void enumerateModes(IDisplayDevice::RefreshRates rates,
                        const IDisplayDevice::ModeVisitor& visit) const override;

    // Takes mode as the stored mode, matched against the list on first need, as reading a body
    // does: for the options record's own older fields.
    void restoreStoredMode(const DirectXDisplayModeDescription& mode);
    // The mode that would be stored now, without asking the display: the selection, or the
    // stored mode not yet matched. For reports of the stored settings.
    const IDisplayModeDescription* modeToStore() const;

    int32_t minimumBitsPerPixel() const { return minimumBitsPerPixel_; }
    int32_t enumerateRefreshRates() const { return enumerateRefreshRates_; }

    const Persistence::ClassId& classId() const override { return classIdentifier; }
    void write(Persistence::OutputStream& stream) const override;

private:
    using ModeList = std::vector<std::unique_ptr<DirectXDisplayModeDescription>>;

    // The list, or nullptr while no display can be opened to ask for it.
    const ModeList* modeList() const;
    ModeList enumeratedModes() const;
    const DirectXDisplayModeDescription*
    listedModeEqualTo(const DirectXDisplayModeDescription& mode) const;
    bool isListed(const IDisplayModeDescription* mode) const;
    void readBody(Persistence::InputStream& stream);

    bool useCurrentMode_ = true;
    // The list and the matching of a stored mode are done on first need, which may be a const
    // operation such as writing the model.
    mutable const IDisplayModeDescription* selection_ = nullptr;
    mutable std::optional<DirectXDisplayModeDescription> pendingStoredMode_;
    mutable std::optional<ModeList> modes_;
    int32_t minimumBitsPerPixel_;
    int32_t enumerateRefreshRates_;
};
