#pragma once

#include "options/IDisplayModeDescription.h"

#include <cstdint>
#include <string>

class DirectXDisplayModeDescription : public IDisplayModeDescription {
public:
    DirectXDisplayModeDescription() = default;
    DirectXDisplayModeDescription(int32_t bitsPerPixel, int32_t width, int32_t height,
                                  int32_t refreshRate)
        : bitsPerPixel_(bitsPerPixel), width_(width), height_(height), refreshRate_(refreshRate) {}

    int32_t bitsPerPixel() const override { return bitsPerPixel_; }
    int32_t width() const override { return width_; }
    int32_t height() const override { return height_; }
    int32_t refreshRate() const override { return refreshRate_; }
    std::string text() const override;

    bool operator==(const DirectXDisplayModeDescription& other) const {
        return bitsPerPixel_ == other.bitsPerPixel_ && width_ == other.width_ &&
               height_ == other.height_ && refreshRate_ == other.refreshRate_;
    }

private:
    int32_t bitsPerPixel_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t refreshRate_ = 0;
};
