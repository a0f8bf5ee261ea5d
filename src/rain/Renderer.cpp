#include "rain/Renderer.h"

#include "rain/HighlightTable.h"
#include "rain/PrefetchSpan.h"
#include "rain/WrappingArithmetic.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr int32_t lensDepth = 8;

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

struct RendererState {
    Channel red;
    Channel green;
    Channel blue;
    uint32_t randomState = 0;
};

RendererState state;

HighlightTable highlights;

// The lens divides by the surface's slope at every wet pixel. A multiplication by the slope's
// reciprocal, rounded up to 40 fraction bits, gives the same truncated quotient for every
// dividend below 2^20 and every divisor up to 128 in size: all that a map pixel can hold.
class SlopeDivision {
public:
    constexpr SlopeDivision() {
        for (uint64_t divisor = 1; divisor < reciprocals_.size(); ++divisor) {
            reciprocals_[divisor] = ((uint64_t{1} << fractionBits) + divisor - 1) / divisor;
        }
    }
    // divisor: -128..127 and not 0; |dividend| < 2^20.
    int32_t divide(int32_t dividend, int32_t divisor) const {
        const auto size = static_cast<uint64_t>(dividend < 0 ? -dividend : dividend);
        const auto by = static_cast<std::size_t>(divisor < 0 ? -divisor : divisor);
        const auto quotient = static_cast<int32_t>((size * reciprocals_[by]) >> fractionBits);
        return (dividend ^ divisor) < 0 ? -quotient : quotient;
    }

private:
    static constexpr int fractionBits = 40;
    std::array<uint64_t, 129> reciprocals_{};
};

constexpr SlopeDivision slopeDivision;

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

// Inlined: a call for every drop pixel costs as much as the work.
template <int Bytes>
[[gnu::always_inline]] inline uint32_t addHighlight(uint32_t colour, const MapPixel& m) {
    const uint32_t amount = highlights.amountFor<Bytes>(m);
    if (amount == 0) {
        return colour;
    }
    const auto brighten = [&](const Channel& channel) {
        const uint32_t value = channel.extract(colour) + amount;
        return channel.place(value > channel.max ? channel.max : value);
    };
    return brighten(state.red) | brighten(state.green) | brighten(state.blue);
}

// A lens reads the background at an offset that jumps far at a drop's rim, so most reads miss
// the caches. The pass first works out where every wet pixel of a run reads from and asks for
// those places, and only then reads them, so that the misses overlap instead of queuing.
struct LensRead {
    uint32_t source;
    uint32_t target;
    MapPixel water;
};

constexpr std::size_t lensRunLength = 256;
std::array<LensRead, lensRunLength> lensRun;

template <int Bytes>
void finishLensRun(std::size_t count, const PixelBufferDesc& destination,
                   const PixelBufferDesc& background) {
    for (std::size_t i = 0; i < count; ++i) {
        const LensRead& read = lensRun[i];
        uint32_t colour = loadPixel<Bytes>(background.pixels + read.source);
        if (Bytes > 1 && read.water.height != 1) {
            colour = addHighlight<Bytes>(colour, read.water);
        }
        storePixel<Bytes>(destination.pixels + read.target, colour);
    }
}

// Lens pass: every wet pixel shows the background at an offset set by the water's height and
// surface normal, and drop pixels catch the light.
template <int Bytes>
void refract(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
             int32_t mapWidth, int32_t mapHeight, const PixelBufferDesc& destination,
             const PixelBufferDesc& background) {
    std::size_t count = 0;
    for (int32_t y = y0; y <= y1; ++y) {
        const MapPixel* m = mapPixel + static_cast<std::ptrdiff_t>(y - y0) * mapWidth;
        const auto rowStart = static_cast<uint32_t>(y * destination.pitch);
        for (int32_t x = x0; x <= x1; ++x, ++m) {
            const int32_t height = m->height;
            if (height == 0) {
                continue;
            }
            const int32_t f = m->normalZ != 0
                                  ? slopeDivision.divide((lensDepth - height) * 4096, m->normalZ)
                                  : 0x7FFFFFFF;
            int32_t sx = x + (wrapMul(f, m->normalX) >> 12);
            const int32_t sy = wrapInto(y + (wrapMul(f, m->normalY) >> 12), mapHeight);
            if (height == 1) {
                sx += static_cast<int32_t>(nextRandom(3)) - 1;
            }
            sx = wrapInto(sx, mapWidth);
            const auto source = static_cast<uint32_t>(sy * background.pitch + sx * Bytes);
            __builtin_prefetch(background.pixels + source);
            lensRun[count++] = {source, rowStart + static_cast<uint32_t>(x * Bytes), *m};
            if (count == lensRun.size()) {
                finishLensRun<Bytes>(count, destination, background);
                count = 0;
            }
        }
    }
    finishLensRun<Bytes>(count, destination, background);
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

// The softening pass reads one row above the rectangle and one below it, which the lens pass
// does not write, so they come from memory. Asked for before the lens pass, they arrive while it
// works.
template <int Bytes>
void prefetchRowsBeside(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t mapWidth,
                        int32_t mapHeight, const PixelBufferDesc& destination) {
    const int32_t left = x0 < 1 ? 0 : x0 - 1;
    const int32_t right = x1 > mapWidth - 2 ? mapWidth - 1 : x1 + 1;
    const auto prefetchRow = [&](int32_t y) {
        prefetchSpan(destination.pixels + static_cast<std::ptrdiff_t>(y) * destination.pitch +
                         static_cast<std::ptrdiff_t>(left) * Bytes,
                     static_cast<std::ptrdiff_t>(right - left + 1) * Bytes);
    };
    if (y0 >= 1) {
        prefetchRow(y0 - 1);
    }
    if (y1 <= mapHeight - 2) {
        prefetchRow(y1 + 1);
    }
}

template <int Bytes>
void render(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const MapPixel* mapPixel,
            int32_t mapWidth, int32_t mapHeight, const PixelBufferDesc& destination,
            const PixelBufferDesc& background) {
    if constexpr (Bytes > 1) {
        prefetchRowsBeside<Bytes>(x0, y0, x1, y1, mapWidth, mapHeight, destination);
    }
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
    highlights.load();
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
    return highlights.amount(nx, ny, nz, gain);
}

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
