#pragma once

#include "lightning/AreaRect.h"
#include "lightning/ILightning.h"
#include "lightning/TexturedVertex.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The triangles that draw one bolt: for every segment a core quad along the stroke and a glow
// strip on either side, with a cap before the first and after the last segment of each
// branch. Built once per bolt.
class LightningMesh {
public:
    explicit LightningMesh(const ILightning& bolt);

    const ILightning& bolt() const { return bolt_; }
    const std::vector<TexturedVertex>& vertices() const { return vertices_; }
    // Three per triangle, clockwise on screen. 32 bits wide: a bolt on a very tall surface can
    // have more than 65536 vertices.
    const std::vector<uint32_t>& indices() const { return indices_; }
    std::size_t vertexCount() const { return vertices_.size(); }
    std::size_t indexCount() const { return indices_.size(); }
    // Rounded to whole pixels; all zeros for an empty mesh.
    AreaRect boundingBox() const;
    // The part of area within the bounding box, cut into bands of bandRows rows, each only as
    // wide as the triangles reaching into it, empty bands left out: a bolt runs across its box
    // and leaves most of it alone. Every pixel of area a triangle may cover lies in one of them.
    std::vector<AreaRect> bandsWithin(const AreaRect& area) const;
    static constexpr int32_t bandRows = 32;

    // The mesh is made of groups: eight vertices and the six triangles between them.
    std::size_t groupCount() const { return vertices_.size() / verticesPerGroup; }
    AreaRect groupBox(std::size_t group) const;
    // Three indices per triangle, as in indices().
    std::span<const uint32_t> groupTriangles(std::size_t group) const;

private:
    static constexpr std::size_t verticesPerGroup = 8;
    static constexpr std::size_t indicesPerGroup = 18;

    // P0..P3 around the core, P4..P7 the outer edges of the glow.
    using Group = std::array<PointF, 8>;
    static Group groupAround(PointF p0, PointF p1, PointF p2, PointF p3, PointF n);
    void addBranch(const LightningBranch& branch);
    void addGroup(const Group& points, float nearU, float farU);

    const ILightning& bolt_;
    std::vector<TexturedVertex> vertices_;
    std::vector<uint32_t> indices_;
};
