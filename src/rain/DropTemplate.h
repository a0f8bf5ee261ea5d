#pragma once

#include "rain/SurfaceTemplate.h"

// The body of a drop: a lens whose height is the thickness of the water.
class DropTemplate : public SurfaceTemplate {
public:
    using SurfaceTemplate::SurfaceTemplate;

protected:
    float shape(int32_t dx, int32_t dyTrunc, double value) const override;
};
