#include "options/DirectXDisplayModeDescription.h"

namespace {

// Depths without a name of their own (15 bits, say) get no word at all.
std::string colourClass(int32_t bitsPerPixel) {
    switch (bitsPerPixel) {
    case 8:
        return "256 Colors";
    case 16:
        return "High Color";
    case 24:
    case 32:
        return "True Color";
    default:
        return "";
    }
}

} // namespace

std::string DirectXDisplayModeDescription::text() const {
    std::string caption = std::to_string(width_) + "x" + std::to_string(height_) + " " +
                          colourClass(bitsPerPixel_) + " (" + std::to_string(bitsPerPixel_) +
                          " bit";
    if (refreshRate_ != 0) {
        caption += ", " + std::to_string(refreshRate_) + " Hz";
    }
    return caption + ")";
}
