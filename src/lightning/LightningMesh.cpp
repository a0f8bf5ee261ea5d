#include "lightning/LightningMesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

namespace {

constexpr float glowWidth = 26.0f;
constexpr float startCapLength = 29.0f;
constexpr float endCapLength = 42.0f;
// Texture columns of the caps and rows of the core band, as fractions of the texture.
constexpr float endCapFirstU = 214.0f / 256.0f;
constexpr float startCapLastU = 227.0f / 256.0f;
constexpr float coreTopV = 26.0f / 64.0f;
constexpr float coreBottomV = 38.0f / 64.0f;
constexpr float textureColumns = 256.0f;

constexpr float vertexZ = 0.5f;
constexpr float vertexRhw = 0.1f;
constexpr uint32_t specular = 0xFF000000u;

// The core quad, then the glow strip on the +n side, then the one on the -n side.
constexpr std::array<uint32_t, 18> groupIndices = {0, 1, 2, 0, 2, 3, 4, 3, 7,
                                                   4, 0, 3, 1, 6, 2, 1, 5, 6};

PointF operator+(PointF a, PointF b) {
    return {a.x + b.x, a.y + b.y};
}

PointF operator*(float k, PointF a) {
    return {k * a.x, k * a.y};
}

// The bolt's 0x00BBGGRR as a vertex colour 0xAARRGGBB, fully opaque.
uint32_t vertexColourOf(uint32_t colour) {
    const uint32_t red = colour & 0xFFu;
    const uint32_t green = (colour >> 8) & 0xFFu;
    const uint32_t blue = (colour >> 16) & 0xFFu;
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

// Bounded first: a coordinate outside the int32 range must not make the conversion undefined.
int32_t roundToPixel(float coordinate) {
    constexpr float limit = 1073741824.0f;
    const float rounded = coordinate + 0.5f;
    return static_cast<int32_t>(rounded > -limit ? (rounded < limit ? rounded : limit) : -limit);
}

AreaRect boxAround(std::span<const TexturedVertex> vertices) {
    if (vertices.empty()) {
        return {};
    }
    int32_t minX = std::numeric_limits<int32_t>::max();
    int32_t maxX = std::numeric_limits<int32_t>::min();
    int32_t minY = std::numeric_limits<int32_t>::max();
    int32_t maxY = std::numeric_limits<int32_t>::min();
    for (const TexturedVertex& vertex : vertices) {
        const int32_t x = roundToPixel(vertex.x);
        const int32_t y = roundToPixel(vertex.y);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    return {minX, maxY + 1, maxX + 1, minY};
}

} // namespace

LightningMesh::LightningMesh(const ILightning& bolt) : bolt_(bolt) {
    for (const auto& branch : bolt.branches()) {
        addBranch(*branch);
    }
    const uint32_t colour = vertexColourOf(bolt.colour());
    for (TexturedVertex& vertex : vertices_) {
        vertex.z = vertexZ;
        vertex.rhw = vertexRhw;
        vertex.colour = colour;
        vertex.specular = specular;
    }
}

LightningMesh::Group LightningMesh::groupAround(PointF p0, PointF p1, PointF p2, PointF p3,
                                                PointF n) {
    const PointF glow = glowWidth * n;
    return {p0, p1, p2, p3, p0 + glow, p1 - glow, p2 - glow, p3 + glow};
}

void LightningMesh::addBranch(const LightningBranch& branch) {
    const auto& segments = branch.segments();
    Group body{};
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const ILightningSegment& segment = *segments[i];
        const PointF s = segment.start();
        const PointF e = segment.end();
        const PointF n = segment.normal();
        const PointF across = segment.halfWidth() * n;
        const PointF direction = e - s;
        const PointF along{direction.x / segment.length(), direction.y / segment.length()};
        if (i == 0) {
            const PointF c = s - startCapLength * along;
            addGroup(groupAround(c + across, c - across, s - across, s + across, n), 1.0f,
                     startCapLastU);
        }
        const Group previous = body;
        body = groupAround(s + across, s - across, e - across, e + across, n);
        if (i > 0) {
            // The strip goes on from the far edge of the previous body, glow included, so that
            // no seam opens where the stroke bends.
            body[0] = previous[3];
            body[1] = previous[2];
            body[4] = previous[7];
            body[5] = previous[6];
        }
        addGroup(body, 0.0f, segment.length() / textureColumns);
        if (i + 1 == segments.size()) {
            const PointF f = e + endCapLength * along;
            addGroup(groupAround(e + across, e - across, f - across, f + across, n), endCapFirstU,
                     1.0f);
        }
    }
}

void LightningMesh::addGroup(const Group& points, float nearU, float farU) {
    // Vertices 0, 1, 4, 5 lie across the near end, 2, 3, 6, 7 across the far end; 0, 3 border
    // the core on the +n side, 1, 2 on the -n side.
    static constexpr std::array<float, 8> v = {coreBottomV, coreTopV, coreTopV, coreBottomV,
                                               1.0f,        0.0f,     0.0f,     1.0f};
    static constexpr std::array<bool, 8> atFarEnd = {false, false, true, true,
                                                     false, false, true, true};
    const auto base = static_cast<uint32_t>(vertices_.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        TexturedVertex vertex;
        vertex.x = points[i].x;
        vertex.y = points[i].y;
        vertex.u = atFarEnd[i] ? farU : nearU;
        vertex.v = v[i];
        vertices_.push_back(vertex);
    }
    for (const uint32_t index : groupIndices) {
        indices_.push_back(base + index);
    }
}

AreaRect LightningMesh::boundingBox() const {
    return boxAround(vertices_);
}

AreaRect LightningMesh::groupBox(std::size_t group) const {
    return boxAround(std::span(vertices_).subspan(group * verticesPerGroup, verticesPerGroup));
}

std::span<const uint32_t> LightningMesh::groupTriangles(std::size_t group) const {
    return std::span(indices_).subspan(group * indicesPerGroup, indicesPerGroup);
}

// Each group's triangles lie within its vertices' box, so the bands grow by the groups' boxes.
std::vector<AreaRect> LightningMesh::bandsWithin(const AreaRect& area) const {
    const AreaRect box = intersect(boundingBox(), area);
    if (box.isEmpty()) {
        return {};
    }
    const int32_t count = (box.maxY - box.minY + bandRows - 1) / bandRows;
    std::vector<AreaRect> widths(static_cast<std::size_t>(count));
    const auto bandOf = [&](int32_t y) {
        return std::clamp((y - box.minY) / bandRows, 0, count - 1);
    };
    for (std::size_t index = 0; index < groupCount(); ++index) {
        const AreaRect group = intersect(groupBox(index), box);
        if (group.isEmpty()) {
            continue;
        }
        for (int32_t k = bandOf(group.minY); k <= bandOf(group.maxY - 1); ++k) {
            auto& width = widths[static_cast<std::size_t>(k)];
            width = unite(width, group);
        }
    }
    std::vector<AreaRect> bands;
    for (int32_t k = 0; k < count; ++k) {
        const int32_t top = box.minY + k * bandRows;
        const AreaRect rows{box.minX, std::min(top + bandRows, box.maxY), box.maxX, top};
        const AreaRect band = intersect(widths[static_cast<std::size_t>(k)], rows);
        if (!band.isEmpty()) {
            bands.push_back(band);
        }
    }
    return bands;
}
