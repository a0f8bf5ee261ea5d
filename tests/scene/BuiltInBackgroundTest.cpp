#include "scene/BuiltInBackground.h"

#include <gtest/gtest.h>

namespace {

int averageBrightness(const Graphics::Bitmap& picture) {
    long sum = 0;
    for (int32_t y = 0; y < picture.height(); ++y) {
        for (int32_t x = 0; x < picture.width() * 3; ++x) {
            sum += picture.row(y)[x];
        }
    }
    return static_cast<int>(sum / (static_cast<long>(picture.width()) * picture.height() * 3));
}

} // namespace

// The fallback must never be a dark or empty screen, at a full screen's size or a preview's.
TEST(BuiltInBackgroundTest, FillsAnySizeWithTheDuskOverTheCity) {
    for (const auto& [width, height] :
         {std::pair{1920, 1080}, std::pair{1280, 1024}, std::pair{152, 112}, std::pair{151, 3}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const Graphics::Bitmap picture = Scene::builtInBackground(width, height);
        ASSERT_EQ(picture.width(), width);
        ASSERT_EQ(picture.height(), height);
        EXPECT_GT(averageBrightness(picture), 40);
    }
    // Violet sky above, warm glow at the horizon: more red than blue two thirds of the way down.
    const Graphics::Bitmap picture = Scene::builtInBackground(192, 108);
    const uint8_t* top = picture.row(2) + 96 * 3;
    const uint8_t* glow = picture.row(70) + 120 * 3;
    EXPECT_GT(top[0], top[2]);
    EXPECT_GT(glow[2], glow[0]);
}
