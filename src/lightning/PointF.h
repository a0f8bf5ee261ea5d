#pragma once

// A point or vector on the drawing surface: x to the right, y downward.
struct PointF {
    float x = 0.0f;
    float y = 0.0f;

    friend bool operator==(const PointF&, const PointF&) = default;
    friend PointF operator-(PointF a, PointF b) { return PointF{a.x - b.x, a.y - b.y}; }
};

static_assert(sizeof(PointF) == 8);
