#include "rain/DropTuning.h"

#include <array>
#include <gtest/gtest.h>

namespace {

void expectTuning(int32_t referenceRadius, std::array<int32_t, 11> expected) {
    const DropTuning t = DropTuning::forReferenceRadius(referenceRadius);
    const std::array<int32_t, 11> actual{t.referenceRadius,      t.slideSpeed,    t.slowStartBase,
                                         t.slowStartSpread,      t.fastStartBase, t.fastStartSpread,
                                         t.wobbleAmplitude,      t.deceleration,  t.sidewaysPull,
                                         t.wobbleCountdownRange, t.stillRadius};
    EXPECT_EQ(actual, expected) << "reference radius " << referenceRadius;
    EXPECT_EQ(t.slowStartPercent, 10);
    EXPECT_EQ(t.fastStartPercent, 4);
}

} // namespace

TEST(DropTuning, ScalesEveryConstantWithTheReferenceRadiusAndTruncatesTowardZero) {
    expectTuning(8, {8, 1365, 170, 95, 512, 170, 170, -85, 170, 15, 2});
    expectTuning(4, {4, 682, 85, 47, 256, 85, 85, -42, 85, 15, 1});
    // 12 x 1/12 is a hair above 1, so exact products must not lose one.
    expectTuning(12, {12, 2048, 256, 143, 768, 256, 256, -128, 256, 15, 4});

    setDropScale(4);
    EXPECT_EQ(dropTuning().slideSpeed, 682);
    setDropScale(8);
    EXPECT_EQ(dropTuning().slideSpeed, 1365);
}
