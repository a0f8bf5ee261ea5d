#pragma once

#include "lightning/PointF.h"

// One straight stroke of a bolt, as the view needs it to lay a textured quad over it.
class ILightningSegment {
public:
    virtual ~ILightningSegment() = default;
    virtual PointF start() const = 0;
    virtual PointF end() const = 0;
    // Unit vector across the stroke, a quarter turn from start -> end.
    virtual PointF normal() const = 0;
    virtual float length() const = 0;
    virtual float halfWidth() const = 0;
    // Distance from p to the nearest point of the stroke's centre line.
    virtual float distanceTo(PointF p) const = 0;
};
