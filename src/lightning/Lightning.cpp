#include "lightning/Lightning.h"

#include <utility>

Lightning::Lightning(LightningBranchList branches, uint32_t colour)
    : branches_(std::move(branches)), colour_(colour) {}

PointF Lightning::origin() const {
    return branches_.at(0)->segments().at(0)->start();
}
