#include "rain/Renderer.h"

#include "resources/EmbeddedResources.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

constexpr int32_t lensDepth = 8;
constexpr uint32_t highlightGain16 = 40;
constexpr uint32_t highlightGain24And32 = 220;

struct Channel {
    uint32_t shift = 0;
    uint32_t max = 0;

    static Channel fromMask(uint32_t mask) {
        if (mask == 0) {
            return {};
        }
        const auto shift = static_cast<uint32_t>(std::countr_zero(mask));
        return {shift, mask >> shift};
    }
    uint32_t extract(uint32_t colour) const { return (colour >> shift) & max; }
    uint32_t place(uint32_t value) const { return value << shift; }
};

constexpr int32_t normalLimit = 64;
constexpr int32_t normalSpan = 2 * normalLimit + 1;

struct RendererState {
    Channel red;
    Channel green;
    Channel blue;
    std::array<uint32_t, 129> highlight{};
    // The highlight for each gain, by table index, so that a pixel costs one lookup.
    std::array<uint32_t, 129> highlight16{};
    std::array<uint32_t, 129> highlight24And32{};
    uint32_t randomState = 0;
};

RendererState state;

// Highlight table index (plus one; 0 means not yet known) for every normal the templates and
// their blends can produce: x and y in -64..64, z in 1..64. The angle maths behind an entry is
// done the first time a normal is seen, and never again.
std::array<uint8_t, normalSpan * normalSpan * normalLimit> highlightIndexCache{};

void loadHighlightTable() {
    const auto table = Resources::lookUp("RCDATA", "COSNTABLE");
    if (!table || table->size() != state.highlight.size() * 4) {
        throw std::runtime_error("The highlight table COSNTABLE is missing or damaged.");
    }
    for (std::size_t i = 0; i < state.highlight.size(); ++i) {
        const unsigned char* bytes = table->data() + i * 4;
        state.highlight[i] =
            bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
        state.highlight16[i] = (state.highlight[i] * highlightGain16) >> 16;
        state.highlight24And32[i] = (state.highlight[i] * highlightGain24And32) >> 16;
    }
}

// Products and sums that may leave the 32-bit range (only for normals no template produces)
// wrap as two's complement instead of being undefined.
int32_t wrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
int32_t wrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t wrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
int32_t absolute(int32_t value) {
    return value < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(value)) : value;
}

int32_t wrapInto(int32_t coordinate, int32_t size) {
    if (coordinate < 0) {
        return (size - 1) + coordinate % size;
    }
    if (coordinate >= size) {
        return coordinate % size;
    }
    return coordinate;
}

template <int Bytes> uint32_t loadPixel(const uint8_t* address) {
    if constexpr (Bytes == 1) {
        return *address;
    } else if constexpr (Bytes == 2) {
        uint16_t value;
        std::memcpy(&value, address, 2);
        return value;
    } else if constexpr (Bytes == 3) {
        return address[0] | address[1] << 8 | address[2] << 16;
    } else {
        uint32_t value;
        std::memcpy(&value, address, 4);
        return value;
    }
}

template <int Bytes> void storePixel(uint8_t* address, uint32_t value) {
    if constexpr (Bytes == 1) {
        *address = static_cast<uint8_t>(value);
    } else if constexpr (Bytes == 2) {
        const auto narrow = static_cast<uint16_t>(value);
        std::memcpy(address, &narrow, 2);
    } else if constexpr (Bytes == 3) {
        address[0] = static_cast<uint8_t>(value);
        address[1] = static_cast<uint8_t>(value >> 8);
        address[2] = static_cast<uint8_t>(value >> 16);
    } else {
        std::memcpy(address, &value, 4);
    }
}

int32_t computeHighlightIndex(int32_t nx, int32_t ny, int32_t nz);

int32_t highlightIndex(const MapPixel& m) {
    if (m.normalZ < 1 || m.normalX < -normalLimit || m.normalX > normalLimit ||
        m.normalY < -normalLimit || m.normalY > normalLimit) {
        return computeHighlightIndex(m.normalX, m.normalY, m.normalZ);
    }
    // Neighbouring pixels of a drop differ most in x and y, so those vary fastest.
    const std::size_t slot = static_cast<std::size_t>(
        ((m.normalZ - 1) * normalSpan + m.normalY + normalLimit) * normalSpan + m.normalX +
        normalLimit);
    uint8_t& cached = highlightIndexCache[slot];
    if (cached == 0) {
        cached = static_cast<uint8_t>(computeHighlightIndex(m.normalX, m.normalY, m.normalZ) + 1);
    }
    return cached - 1;
}

template <int Bytes> uint32_t addHighlight(uint32_t colour, const MapPixel& m) {
    const auto& amounts = Bytes == 2 ? state.highlight16 : state.highlight24And32;
    const uint32_t amount = amounts[static_cast<std::size_t>(highlightIndex(m))];
    if (amount == 0) {
        return colour;
    }
    const auto brighten = [&](const Channel& channel) {
        const uint32_t value = channel.extract(colour) + amount;
        return channel.place(value > channel.max ? channel.max : value);
    };
    return brighten(state.red) | brighten(state.green) | brighten(state.blue);
}

// The rectangles are small and scattered over pictures far larger than the caches, so the
// next row of each buffer is asked for while this one is worked on.
void prefetchNextRow(const MapPixel* map, const PixelBufferDesc& background, uint8_t* destination,
                     int32_t offset, int32_t y) {
    __builtin_prefetch(map);
    __builtin_prefetch(background.pixels + static_cast<std::ptrdiff_t>(y) * background.pitch +
                       offset);
    __builtin_prefetch(destination + offset, 1);
}

// Lens pass: every wet pixel shows the background at an offset set by the water's height and
// surface normal, and drop pixels catch the light.
template <int Bytes>
void refract(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
             int32_t mapWidth, int32_t mapHeight, const PixelBufferDesc& destination,
             const PixelBufferDesc& background) {
    for (int32_t y = y0; y <= y1; ++y) {
        const MapPixel* m = mapPixel + static_cast<std::ptrdiff_t>(y - y0) * mapWidth;
        uint8_t* target = destination.pixels + static_cast<std::ptrdiff_t>(y) * destination.pitch;
        if (y < y1) {
            prefetchNextRow(m + mapWidth, background, target + destination.pitch, x0 * Bytes,
                            y + 1);
        }
        for (int32_t x = x0; x <= x1; ++x, ++m) {
            const int32_t height = m->height;
            if (height == 0) {
                continue;
            }
            const int32_t f =
                m->normalZ != 0 ? ((lensDepth - height) * 4096) / m->normalZ : 0x7FFFFFFF;
            int32_t sx = x + (wrapMul(f, m->normalX) >> 12);
            const int32_t sy = wrapInto(y + (wrapMul(f, m->normalY) >> 12), mapHeight);
            if (height == 1) {
                sx += static_cast<int32_t>(nextRandom(3)) - 1;
            }
            sx = wrapInto(sx, mapWidth);
            uint32_t colour = loadPixel<Bytes>(background.pixels +
                                               static_cast<std::ptrdiff_t>(sy) * background.pitch +
                                               static_cast<std::ptrdiff_t>(sx) * Bytes);
            if (Bytes > 1 && height != 1) {
                colour = addHighlight<Bytes>(colour, *m);
            }
            storePixel<Bytes>(target + static_cast<std::ptrdiff_t>(x) * Bytes, colour);
        }
    }
}

// Per-channel sums for any channel layout. The channels are copied so that stores through the
// pixel pointers do not force them to be reloaded.
struct AnyChannels {
    struct Sum {
        uint32_t red = 0;
        uint32_t green = 0;
        uint32_t blue = 0;

        Sum operator+(const Sum& other) const {
            return {red + other.red, green + other.green, blue + other.blue};
        }
        Sum times8() const { return {red << 3, green << 3, blue << 3}; }
    };

    Sum split(uint32_t colour) const {
        return {red.extract(colour), green.extract(colour), blue.extract(colour)};
    }
    uint32_t average(const Sum& sum, bool trail) const {
        const auto mean = [trail](uint32_t total) {
            return trail ? ((total * 15) >> 4) >> 4 : total >> 4;
        };
        return red.place(mean(sum.red)) | green.place(mean(sum.green)) | blue.place(mean(sum.blue));
    }

    Channel red = state.red;
    Channel green = state.green;
    Channel blue = state.blue;
};

// The usual 8-8-8 layouts: the two outer channels are summed side by side in 16-bit lanes of
// one word and green in another. A sum of 16 values of at most 255, even times 15, fits a lane.
struct ByteChannels {
    struct Sum {
        uint32_t outer = 0;
        uint32_t green = 0;

        Sum operator+(const Sum& other) const { return {outer + other.outer, green + other.green}; }
        Sum times8() const { return {outer << 3, green << 3}; }
    };

    static bool fit() {
        return state.green.shift == 8 && state.green.max == 0xFF && state.red.max == 0xFF &&
               state.blue.max == 0xFF &&
               ((state.red.shift == 16 && state.blue.shift == 0) ||
                (state.red.shift == 0 && state.blue.shift == 16));
    }
    static Sum split(uint32_t colour) { return {colour & 0x00FF00FFu, (colour >> 8) & 0xFFu}; }
    static uint32_t average(const Sum& sum, bool trail) {
        if (trail) {
            return (((sum.outer * 15) >> 8) & 0x00FF00FFu) | ((sum.green * 15) >> 8) << 8;
        }
        return ((sum.outer >> 4) & 0x00FF00FFu) | (sum.green >> 4) << 8;
    }
};

// Softening pass: a 3 x 3 weighted average over wet pixels (8 for the centre, 1 for each
// neighbour), trails darkened to 15/16. It works in place, so neighbours above and to the left
// are already smoothed. Each row slides along with the sums of the columns left of, at and
// right of the pixel: one new column is read per pixel instead of nine pixels, and the column
// to the left takes the value just written.
template <int Bytes, typename Channels>
void smooth(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
            int32_t mapWidth, int32_t mapHeight, const PixelBufferDesc& destination) {
    using Sum = typename Channels::Sum;
    const Channels channels;
    const int32_t pitch = destination.pitch;
    const int32_t top = y0 < 1 ? 1 : y0;
    const int32_t bottom = y1 > mapHeight - 2 ? mapHeight - 2 : y1;
    const int32_t left = x0 < 1 ? 1 : x0;
    const int32_t right = x1 > mapWidth - 2 ? mapWidth - 2 : x1;
    for (int32_t y = top; y <= bottom; ++y) {
        const MapPixel* m = mapPixel + static_cast<std::ptrdiff_t>(y - y0) * mapWidth + (left - x0);
        uint8_t* row = destination.pixels + static_cast<std::ptrdiff_t>(y) * pitch;
        const uint8_t* above = row - pitch;
        const uint8_t* below = row + pitch;
        const auto at = [&channels](const uint8_t* line, int32_t x) {
            return channels.split(loadPixel<Bytes>(line + static_cast<std::ptrdiff_t>(x) * Bytes));
        };
        Sum leftColumn = at(above, left - 1) + at(row, left - 1) + at(below, left - 1);
        Sum centreEnds = at(above, left) + at(below, left);
        Sum centre = at(row, left);
        for (int32_t x = left; x <= right; ++x, ++m) {
            const Sum rightEnds = at(above, x + 1) + at(below, x + 1);
            const Sum rightCentre = at(row, x + 1);
            if (m->height != 0) {
                const uint32_t value = channels.average(leftColumn + centreEnds + centre.times8() +
                                                            rightEnds + rightCentre,
                                                        m->height == 1);
                storePixel<Bytes>(row + static_cast<std::ptrdiff_t>(x) * Bytes, value);
                centre = channels.split(value);
            }
            leftColumn = centreEnds + centre;
            centreEnds = rightEnds;
            centre = rightCentre;
        }
    }
}

template <int Bytes>
void render(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
            int32_t mapWidth, int32_t mapHeight, const PixelBufferDesc& destination,
            const PixelBufferDesc& background) {
    refract<Bytes>(x0, y0, x1, y1, mapPixel, mapWidth, mapHeight, destination, background);
    if constexpr (Bytes > 2) {
        if (ByteChannels::fit()) {
            smooth<Bytes, ByteChannels>(x0, y0, x1, y1, mapPixel, mapWidth, mapHeight, destination);
            return;
        }
    }
    if constexpr (Bytes > 1) {
        smooth<Bytes, AnyChannels>(x0, y0, x1, y1, mapPixel, mapWidth, mapHeight, destination);
    }
}

} // namespace

void setRendererPixelFormat(uint32_t redMask, uint32_t greenMask, uint32_t blueMask) {
    state.red = Channel::fromMask(redMask);
    state.green = Channel::fromMask(greenMask);
    state.blue = Channel::fromMask(blueMask);
    loadHighlightTable();
}

uint32_t nextRandom(uint32_t n) {
    const uint32_t t = state.randomState + 0xD32489CFu;
    const uint64_t product = static_cast<uint64_t>(t) * t;
    state.randomState = static_cast<uint32_t>(product) ^ static_cast<uint32_t>(product >> 32);
    return state.randomState % n;
}

void setNextRandomState(uint32_t value) {
    state.randomState = value;
}

uint32_t highlightAmount(int32_t nx, int32_t ny, int32_t nz, uint32_t gain) {
    return (state.highlight[static_cast<std::size_t>(computeHighlightIndex(nx, ny, nz))] * gain) >>
           16;
}

namespace {

// Where the normal (nx, ny, nz) falls in the highlight table: 64 + the cosine between the
// surface and the fixed light, scaled to 64.
int32_t computeHighlightIndex(int32_t nx, int32_t ny, int32_t nz) {
    // The normal's directions in the x-z and y-z planes, scaled to 64.
    const auto hx = static_cast<int32_t>(std::nearbyint(std::sqrt(nx * nx + nz * nz)));
    const auto hy = static_cast<int32_t>(std::nearbyint(std::sqrt(ny * ny + nz * nz)));
    const int32_t c1 = hx != 0 ? nx * 64 / hx : 0x7FFFFFFF;
    const int32_t s1 = hx != 0 ? nz * 64 / hx : 0x7FFFFFFF;
    const int32_t c2 = hy != 0 ? ny * 64 / hy : 0x7FFFFFFF;
    const int32_t s2 = hy != 0 ? nz * 64 / hy : 0x7FFFFFFF;
    // Rotate into the frame of the fixed light, (57, 29) in x-z and (45, -45) in y-z.
    const int32_t b1 = wrapSub(wrapMul(s1, 57), wrapMul(c1, 29)) >> 6;
    const int32_t a1 = absolute(wrapAdd(wrapMul(c1, 57), wrapMul(s1, 29))) >> 6;
    const int32_t b2 = wrapAdd(wrapMul(c2, 45), wrapMul(s2, 45)) >> 6;
    const int32_t a2 = absolute(wrapSub(wrapMul(s2, 45), wrapMul(c2, 45))) >> 6;
    const int32_t x = wrapAdd(wrapAdd(wrapMul(c1, a1), wrapMul(s1, b1)) >> 6, wrapMul(s2, b2) >> 6);
    const int32_t y = c2;
    const int32_t z = wrapAdd(wrapSub(wrapMul(s1, a1), wrapMul(c1, b1)) >> 6, wrapMul(s2, a2) >> 6);
    const double norm = std::sqrt(static_cast<double>(
        static_cast<int64_t>(x) * x + static_cast<int64_t>(y) * y + static_cast<int64_t>(z) * z));
    if (norm == 0) {
        return 64;
    }
    const auto k = static_cast<int32_t>(std::nearbyint(z * 64.0 / norm));
    return (k < -64 ? -64 : (k > 64 ? 64 : k)) + 64;
}

} // namespace

void renderWetPixels(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
                     int32_t mapWidth, int32_t mapHeight, const PixelBufferDesc& destination,
                     const PixelBufferDesc& background) {
    switch (destination.bitsPerPixel) {
    case 8:
        render<1>(x0, y0, x1, y1, mapPixel, mapWidth, mapHeight, destination, background);
        break;
    case 16:
        render<2>(x0, y0, x1, y1, mapPixel, mapWidth, mapHeight, destination, background);
        break;
    case 24:
        render<3>(x0, y0, x1, y1, mapPixel, mapWidth, mapHeight, destination, background);
        break;
    case 32:
        render<4>(x0, y0, x1, y1, mapPixel, mapWidth, mapHeight, destination, background);
        break;
    default:
        break;
    }
}
