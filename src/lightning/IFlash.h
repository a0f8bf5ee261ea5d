#pragma once

#include "lightning/SurfaceBackup.h"

// The picture put over the whole target while a bolt's flash flag is on.
class IFlash {
public:
    virtual ~IFlash() = default;
    virtual void apply() = 0;
    // Whether apply() changes the target at all.
    virtual bool replacesTarget() const = 0;
    // Saves what apply() will paint over into backup; false when nothing needs saving.
    virtual bool saveTarget(SurfaceBackup& backup) = 0;
};
