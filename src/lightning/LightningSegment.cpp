#include "lightning/LightningSegment.h"

#include <cmath>

namespace {

float magnitude(PointF v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

} // namespace

LightningSegment::LightningSegment(PointF start, PointF end, float width)
    : start_(start), end_(end), direction_(end - start), length_(magnitude(direction_)),
      halfWidth_(width / 2.0f) {}

PointF LightningSegment::normal() const {
    // Goes through the accessors so that a segment type with its own end points stays consistent.
    const PointF along = end() - start();
    const PointF across{-along.y, along.x};
    const float size = magnitude(across);
    return PointF{across.x / size, across.y / size};
}

float LightningSegment::distanceTo(PointF p) const {
    const PointF fromStart = p - start_;
    const float projection = (fromStart.x * direction_.x + fromStart.y * direction_.y) /
                             (direction_.x * direction_.x + direction_.y * direction_.y);
    if (projection <= 0.0f) {
        return magnitude(fromStart);
    }
    if (projection >= 1.0f) {
        return magnitude(p - end_);
    }
    return std::fabs(fromStart.y * direction_.x - fromStart.x * direction_.y) / length_;
}
