#pragma once

#include "lightning/ILightningSegment.h"

// Immutable once built: direction and length are fixed up front because the view asks for them
// for every segment of every frame a bolt is shown.
class LightningSegment : public ILightningSegment {
public:
    LightningSegment(PointF start, PointF end, float width);

    PointF start() const override { return start_; }
    PointF end() const override { return end_; }
    PointF normal() const override;
    float length() const override { return length_; }
    float halfWidth() const override { return halfWidth_; }
    float distanceTo(PointF p) const override;

private:
    PointF start_;
    PointF end_;
    PointF direction_;
    float length_;
    float halfWidth_;
};
