#pragma once

#include "lightning/LightningBranch.h"
#include "lightning/PointF.h"

#include <cstdint>

// A finished bolt. The controller switches its two flags; the view reads them every frame.
class ILightning {
public:
    virtual ~ILightning() = default;
    virtual bool isBoltVisible() const = 0;
    virtual void setBoltVisible(bool visible) = 0;
    virtual bool isFlashOn() const = 0;
    virtual void setFlashOn(bool on) = 0;
    // 0x00BBGGRR.
    virtual uint32_t colour() const = 0;
    // Where the bolt enters the area: the first point of the trunk.
    virtual PointF origin() const = 0;
    virtual const LightningBranchList& branches() const = 0;
};
