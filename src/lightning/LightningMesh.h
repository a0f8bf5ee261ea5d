#pragma once

#include "lightning/AreaRect.h"
#include "lightning/ILightning.h"
#include "lightning/TexturedVertex.h"

#include <array>
#include <cstdint>
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

private:
    // P0..P3 around the core, P4..P7 the outer edges of the glow.
    using Group = std::array<PointF, 8>;
    static Group groupAround(PointF p0, PointF p1, PointF p2, PointF p3, PointF n);
    void addBranch(const LightningBranch& branch);
    void addGroup(const Group& points, float nearU, float farU);

    const ILightning& bolt_;
    std::vector<TexturedVertex> vertices_;
    std::vector<uint32_t> indices_;
};
