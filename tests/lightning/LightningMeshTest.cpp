#include "lightning/LightningMesh.h"

#include "LightningFakes.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Expected {
    float x, y, u, v;
};

void expectVertices(const LightningMesh& mesh, std::size_t first,
                    const std::vector<Expected>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TexturedVertex& vertex = mesh.vertices().at(first + i);
        EXPECT_NEAR(vertex.x, expected[i].x, 1e-4) << "vertex " << first + i;
        EXPECT_NEAR(vertex.y, expected[i].y, 1e-4) << "vertex " << first + i;
        EXPECT_FLOAT_EQ(vertex.u, expected[i].u) << "vertex " << first + i;
        EXPECT_FLOAT_EQ(vertex.v, expected[i].v) << "vertex " << first + i;
    }
}

constexpr float core0 = 38.0f / 64.0f;
constexpr float core1 = 26.0f / 64.0f;

// Straight down from (100, 50) to (100, 70), width 6: the normal is (-1, 0), so +n is -x.
TEST(LightningMeshTest, OneSegmentBranchHasStartCapBodyAndEndCap) {
    const auto bolt = boltThrough({{{100.0f, 50.0f}, {100.0f, 70.0f}}}, 6.0f, 0x00332211);
    const LightningMesh mesh(*bolt);
    ASSERT_EQ(mesh.vertexCount(), 24u);
    ASSERT_EQ(mesh.indexCount(), 54u);

    const float capU = 227.0f / 256.0f;
    expectVertices(mesh, 0,
                   {{97, 21, 1, core0},
                    {103, 21, 1, core1},
                    {103, 50, capU, core1},
                    {97, 50, capU, core0},
                    {71, 21, 1, 1},
                    {129, 21, 1, 0},
                    {129, 50, capU, 0},
                    {71, 50, capU, 1}});
    const float bodyU = 20.0f / 256.0f;
    expectVertices(mesh, 8,
                   {{97, 50, 0, core0},
                    {103, 50, 0, core1},
                    {103, 70, bodyU, core1},
                    {97, 70, bodyU, core0},
                    {71, 50, 0, 1},
                    {129, 50, 0, 0},
                    {129, 70, bodyU, 0},
                    {71, 70, bodyU, 1}});
    const float endU = 214.0f / 256.0f;
    expectVertices(mesh, 16,
                   {{97, 70, endU, core0},
                    {103, 70, endU, core1},
                    {103, 112, 1, core1},
                    {97, 112, 1, core0},
                    {71, 70, endU, 1},
                    {129, 70, endU, 0},
                    {129, 112, 1, 0},
                    {71, 112, 1, 1}});

    const std::vector<uint32_t> group = {0, 1, 2, 0, 2, 3, 4, 3, 7, 4, 0, 3, 1, 6, 2, 1, 5, 6};
    for (uint32_t g = 0; g < 3; ++g) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            EXPECT_EQ(mesh.indices()[g * 18 + i], 8 * g + group[i]);
        }
    }
    for (const TexturedVertex& vertex : mesh.vertices()) {
        EXPECT_EQ(vertex.z, 0.5f);
        EXPECT_EQ(vertex.rhw, 0.1f);
        EXPECT_EQ(vertex.colour, 0xFF112233u);
        EXPECT_EQ(vertex.specular, 0xFF000000u);
    }
    EXPECT_EQ(mesh.boundingBox(), (AreaRect{71, 113, 130, 21}));
}

TEST(LightningMeshTest, LaterSegmentsContinueFromThePreviousBodysFarEdge) {
    // Down, then down and to the right: the second body's near edge is the first body's far
    // edge, not its own.
    const auto bolt = boltThrough({{{0.0f, 0.0f}, {0.0f, 20.0f}, {15.0f, 40.0f}}});
    const LightningMesh mesh(*bolt);
    ASSERT_EQ(mesh.vertexCount(), 32u);
    ASSERT_EQ(mesh.indexCount(), 72u);
    const auto& v = mesh.vertices();
    const std::size_t firstBody = 8;
    const std::size_t secondBody = 16;
    EXPECT_EQ(v[secondBody + 0].x, v[firstBody + 3].x);
    EXPECT_EQ(v[secondBody + 0].y, v[firstBody + 3].y);
    EXPECT_EQ(v[secondBody + 1].x, v[firstBody + 2].x);
    EXPECT_EQ(v[secondBody + 4].x, v[firstBody + 7].x);
    EXPECT_EQ(v[secondBody + 5].y, v[firstBody + 6].y);
    // Its far edge lies across its own end: normal (-0.8, 0.6), half width 3.
    EXPECT_NEAR(v[secondBody + 3].x, 15.0f - 2.4f, 1e-4);
    EXPECT_NEAR(v[secondBody + 3].y, 40.0f + 1.8f, 1e-4);
    EXPECT_NEAR(v[secondBody + 7].x, 15.0f - 2.4f - 26 * 0.8f, 1e-4);
    EXPECT_FLOAT_EQ(v[secondBody + 2].u, 25.0f / 256.0f);
    // The end cap follows the second segment's direction for 42 pixels.
    EXPECT_NEAR(v[24 + 3].x, 15.0f + 42 * 0.6f - 2.4f, 1e-3);
    EXPECT_NEAR(v[24 + 3].y, 40.0f + 42 * 0.8f + 1.8f, 1e-3);
}

TEST(LightningMeshTest, BranchesFollowInOrderAndEmptyBranchesAddNothing) {
    const auto bolt =
        boltThrough({{{0.0f, 0.0f}, {0.0f, 20.0f}}, {}, {{0.0f, 20.0f}, {10.0f, 20.0f}}});
    const LightningMesh mesh(*bolt);
    ASSERT_EQ(mesh.vertexCount(), 48u);
    EXPECT_EQ(mesh.indices()[54], 24u);
    EXPECT_NEAR(mesh.vertices()[24].x, -29.0f, 1e-4); // start cap of the sideways branch
}

TEST(LightningMeshTest, EmptyBoltHasAnEmptyBoundingBox) {
    const auto bolt = boltThrough({{}});
    const LightningMesh mesh(*bolt);
    EXPECT_EQ(mesh.vertexCount(), 0u);
    EXPECT_EQ(mesh.boundingBox(), (AreaRect{0, 0, 0, 0}));
}

TEST(LightningMeshTest, BoundingBoxRoundsHalfPixelsUp) {
    // Glow reaches 26 + 1 = 27 either side of x = 10.4 and the caps 29 and 42 along y.
    const auto bolt = boltThrough({{{10.4f, 0.5f}, {10.4f, 10.2f}}}, 2.0f);
    const LightningMesh mesh(*bolt);
    // x from -16.6 (rounds to -16) to 37.4 (37); y from -28.5 (-28) to 52.2 (52).
    EXPECT_EQ(mesh.boundingBox(), (AreaRect{-16, 53, 38, -28}));
}

} // namespace
