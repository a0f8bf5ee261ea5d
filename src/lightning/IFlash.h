#pragma once

#include "lightning/AreaRect.h"
#include "lightning/SurfaceBackup.h"

#include <span>

// The picture put over the whole target while a bolt's flash flag is on.
class IFlash {
public:
    virtual ~IFlash() = default;
    virtual void apply() = 0;
    // Paints those areas of the target again as apply() paints them.
    virtual void applyWithin(std::span<const AreaRect> areas) = 0;
    // Whether apply() changes the target at all.
    virtual bool replacesTarget() const = 0;
    // Saves what apply() will paint over into backup; false when nothing needs saving.
    virtual bool saveTarget(SurfaceBackup& backup) = 0;
};
