#pragma once

#include "rain/DirtyRect.h"
#include "rain/MapPixel.h"

#include <cstdint>
#include <vector>

// A pre-computed patch of water (a drop body or its trail footprint) for one radius and
// stretch. All the square roots happen once, in generate(); stamping is then a plain copy.
class SurfaceTemplate {
public:
    SurfaceTemplate(int32_t radius, int32_t stretch);
    virtual ~SurfaceTemplate() = default;
    SurfaceTemplate(const SurfaceTemplate&) = delete;
    SurfaceTemplate& operator=(const SurfaceTemplate&) = delete;

    // Heights from the lens formula, then normals from them; runs only once.
    void generate();

    // Where the template lands when centred at (x, y); the tail lies above the centre.
    DirtyRect placement(int32_t x, int32_t y) const;

    // Copies columns x rows template pixels from (tx, ty) onward into the map at dest.
    virtual void copyTo(int32_t tx, int32_t ty, int32_t columns, int32_t rows, MapPixel* dest,
                        int32_t destWidth) const;
    // Keeps the higher water and mixes the normals, so that merging drops look like one body.
    void blendTo(int32_t tx, int32_t ty, int32_t columns, int32_t rows, MapPixel* dest,
                 int32_t destWidth) const;

    bool generated() const { return generated_; }
    int32_t radius() const { return radius_; }
    int32_t stretch() const { return stretch_; }
    int32_t centreRow() const { return centreRow_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    const MapPixel& pixel(int32_t column, int32_t row) const {
        return pixels_[static_cast<std::size_t>(row * width_ + column)];
    }

protected:
    // Over the map's row, every pixel under a wet template pixel becomes that pixel, or the
    // given one.
    static void copyWetRow(const MapPixel* source, MapPixel* target, int32_t columns);
    static void markWetRow(const MapPixel* source, MapPixel* target, int32_t columns,
                           MapPixel mark);

    // Turns the lens formula's thickness into the stored height.
    virtual float shape(int32_t dx, int32_t dyTrunc, double value) const = 0;

private:
    void computeHeights();
    void computeNormals();
    MapPixel& pixelAt(int32_t column, int32_t row) {
        return pixels_[static_cast<std::size_t>(row * width_ + column)];
    }

    bool generated_ = false;
    int32_t radius_;
    int32_t centreRow_;
    int32_t width_;
    int32_t height_;
    int32_t shapeRadius_;
    int32_t stretch_;
    std::vector<MapPixel> pixels_;
};
