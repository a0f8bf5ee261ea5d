#pragma once

#include "display/PixelView.h"
#include "lightning/AlphaTexture.h"
#include "lightning/AreaRect.h"
#include "lightning/LightningMesh.h"

#include <cstdint>
#include <span>
#include <vector>

// The light a bolt adds to the picture under it, worked out once per bolt. Where every channel
// is a byte of its own, the rasteriser adds light to a channel with a saturating add, and
// saturating sums of light come out the same in any order and whether or not they are summed
// first. So the triangles are drawn once into black, and each frame adds that light to the rain
// with one saturating add per byte, instead of drawing every triangle again.
class BoltLight {
public:
    // 24- and 32-bit pixels whose channels are whole bytes.
    static bool canLight(const Pixels::PixelFormat& format);

    // The light in the bands, which must not overlap and must hold every pixel the mesh covers
    // (LightningMesh::bandsWithin).
    BoltLight(const LightningMesh& mesh, std::span<const AreaRect> bands,
              const Pixels::PixelFormat& format, const AlphaTexture& texture);

    // Adds the light to a target of the format given, the same size as the one the bands lie on.
    void addTo(const Pixels::PixelView& target) const;

private:
    struct Band {
        AreaRect area;
        std::size_t offset;
        int32_t rowBytes;
    };

    void draw(const LightningMesh& mesh, const Band& band, const Pixels::PixelFormat& format,
              const AlphaTexture& texture);

    int32_t bytesPerPixel_;
    std::vector<Band> bands_;
    std::vector<uint8_t> light_;
};
