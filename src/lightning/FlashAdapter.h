#pragma once

#include "lightning/IFlash.h"

// Stands in for the flash when flashes are off: the flash flag still runs its course, but
// nothing is painted and nothing needs saving.
class FlashAdapter : public IFlash {
public:
    void apply() override {}
    void applyWithin(std::span<const AreaRect>) override {}
    bool replacesTarget() const override { return false; }
    bool saveTarget(SurfaceBackup&) override { return false; }
};
