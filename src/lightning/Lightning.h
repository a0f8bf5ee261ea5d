#pragma once

#include "lightning/ILightning.h"

#include <cstdint>

// Owns every branch and segment of one bolt; only the two display flags change after creation.
class Lightning : public ILightning {
public:
    Lightning(LightningBranchList branches, uint32_t colour);

    bool isBoltVisible() const override { return boltVisible_; }
    void setBoltVisible(bool visible) override { boltVisible_ = visible; }
    bool isFlashOn() const override { return flashOn_; }
    void setFlashOn(bool on) override { flashOn_ = on; }
    uint32_t colour() const override { return colour_; }
    // Throws std::out_of_range for a bolt whose trunk never got a segment.
    PointF origin() const override;
    const LightningBranchList& branches() const override { return branches_; }

private:
    bool boltVisible_ = false;
    bool flashOn_ = false;
    LightningBranchList branches_;
    uint32_t colour_;
};
