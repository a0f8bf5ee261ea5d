#include "platform/Rand15.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Rand15Test, FollowsTheClassicSequenceFromSeedOne) {
    seedRand15(1);
    std::vector<int32_t> draws;
    for (int i = 0; i < 5; ++i) {
        draws.push_back(rand15());
    }
    EXPECT_EQ(draws, (std::vector<int32_t>{41, 18467, 6334, 26500, 19169}));
}

TEST(Rand15Test, SameSeedSameDrawsAndAlwaysFifteenBits) {
    seedRand15(0xDEADBEEF);
    std::vector<int32_t> first;
    for (int i = 0; i < 1000; ++i) {
        first.push_back(rand15());
        ASSERT_GE(first.back(), 0);
        ASSERT_LE(first.back(), 32767);
    }
    seedRand15(0xDEADBEEF);
    for (int32_t expected : first) {
        ASSERT_EQ(rand15(), expected);
    }
}

TEST(Rand15Test, ScaledDrawsStayInRange) {
    overrideRand15([] { return 32767; });
    EXPECT_EQ(rand15Percent(), 99);
    EXPECT_EQ(rand15Below(40), 39);
    overrideRand15([] { return 0; });
    EXPECT_EQ(rand15Percent(), 0);
    overrideRand15({});
    seedRand15(1);
    EXPECT_EQ(rand15(), 41);
}
