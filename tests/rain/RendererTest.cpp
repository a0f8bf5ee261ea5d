#include "rain/Renderer.h"

#include "rain/DirtyRect.h"
#include "rain/Surface.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A picture with its own pixel storage, filled by a function of (x, y).
struct Picture {
    Picture(int32_t bitsPerPixel, int32_t width, int32_t height)
        : bytes(static_cast<std::size_t>(width * height * bitsPerPixel / 8 + 16), 0),
          desc{bitsPerPixel, width * bitsPerPixel / 8, width, height, bytes.data()} {}

    template <typename Fill> void fill(Fill colourAt) {
        for (int32_t y = 0; y < desc.height; ++y) {
            for (int32_t x = 0; x < desc.width; ++x) {
                set(x, y, colourAt(x, y));
            }
        }
    }
    uint32_t at(int32_t x, int32_t y) const {
        uint32_t value = 0;
        std::memcpy(&value, bytes.data() + y * desc.pitch + x * desc.bitsPerPixel / 8,
                    static_cast<std::size_t>(desc.bitsPerPixel / 8));
        return value;
    }
    void set(int32_t x, int32_t y, uint32_t value) {
        std::memcpy(bytes.data() + y * desc.pitch + x * desc.bitsPerPixel / 8, &value,
                    static_cast<std::size_t>(desc.bitsPerPixel / 8));
    }

    std::vector<uint8_t> bytes;
    PixelBufferDesc desc;
};

void renderAll(const Surface& map, const Picture& destination, const Picture& background) {
    renderWetPixels(0, 0, map.width() - 1, map.height() - 1, &map.pixel(0, 0), map.width(),
                    map.height(), destination.desc, background.desc);
}

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        setRendererPixelFormat(0, 0, 0);
        setNextRandomState(0);
    }
};

// In 8 bits the palette index is copied unchanged, so a background whose index is the column
// shows exactly where each pixel sampled.
class PaletteRendererTest : public RendererTest {
protected:
    PaletteRendererTest() : map(20, 6), background(8, 20, 6), destination(8, 20, 6) {
        background.fill([](int32_t x, int32_t y) { return static_cast<uint32_t>(x + 20 * y); });
    }

    Surface map;
    Picture background;
    Picture destination;
};

} // namespace

TEST(NextRandomTest, FirstDrawsFromZero) {
    setNextRandomState(0);
    // n = 2^32 - 1 exposes the state itself (none of these states equals it).
    const std::vector<uint32_t> expectedStates{0xE8427503, 0x51D2C5F2, 0x4210D2D8, 0xE56FB8A3,
                                               0x401B8FA4};
    for (uint32_t expected : expectedStates) {
        EXPECT_EQ(nextRandom(0xFFFFFFFFu), expected);
    }
    setNextRandomState(0);
    std::vector<uint32_t> thirds;
    for (int i = 0; i < 5; ++i) {
        thirds.push_back(nextRandom(3));
    }
    EXPECT_EQ(thirds, (std::vector<uint32_t>{1, 1, 1, 0, 2}));
}

TEST_F(PaletteRendererTest, DryPixelsAreNeverWritten) {
    destination.fill([](int32_t, int32_t) { return 0xAAu; });
    renderAll(map, destination, background);
    for (int32_t y = 0; y < 6; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            ASSERT_EQ(destination.at(x, y), 0xAAu);
        }
    }
}

TEST_F(PaletteRendererTest, ThinWaterBendsTheViewByItsSlope) {
    map.pixel(5, 2) = MapPixel{2, 30, 0, 50};  // f = 6 x 4096 / 50 = 491, offset 491 x 30 >> 12 = 3
    map.pixel(9, 2) = MapPixel{8, 60, 10, 20}; // as thick as the lens is deep: no offset
    map.pixel(12, 2) = MapPixel{7, 0, -64, 64}; // one row up
    renderAll(map, destination, background);
    EXPECT_EQ(destination.at(5, 2), 8u + 40);
    EXPECT_EQ(destination.at(9, 2), 9u + 40);
    EXPECT_EQ(destination.at(12, 2), 12u + 20);
}

TEST_F(PaletteRendererTest, SamplesWrapAroundThePicture) {
    map.pixel(0, 1) = MapPixel{7, -64, 0, 64}; // x = -1 reads column W - 2
    map.pixel(19, 2) = MapPixel{7, 64, 0, 64}; // x = W reads column 0
    map.pixel(4, 0) = MapPixel{7, 0, -64, 64}; // y = -1 reads row H - 2
    map.pixel(4, 5) = MapPixel{7, 0, 64, 64};  // y = H reads row 0
    renderAll(map, destination, background);
    EXPECT_EQ(destination.at(0, 1), 18u + 20);
    EXPECT_EQ(destination.at(19, 2), 0u + 40);
    EXPECT_EQ(destination.at(4, 0), 4u + 80);
    EXPECT_EQ(destination.at(4, 5), 4u);
}

TEST_F(PaletteRendererTest, TrailsShimmerByOnePixel) {
    const int32_t columns[] = {3, 6, 9, 12, 15};
    for (int32_t x : columns) {
        map.pixel(x, 3) = MapPixel{1, 0, 0, 1};
    }
    renderAll(map, destination, background);
    // nextRandom(3) from state 0 gives 1, 1, 1, 0, 2: offsets 0, 0, 0, -1, +1.
    EXPECT_EQ(destination.at(3, 3), 63u);
    EXPECT_EQ(destination.at(6, 3), 66u);
    EXPECT_EQ(destination.at(9, 3), 69u);
    EXPECT_EQ(destination.at(12, 3), 71u);
    EXPECT_EQ(destination.at(15, 3), 76u);
}

TEST_F(RendererTest, HighlightNeverExceedsItsGainAndReachesIt) {
    uint32_t brightest = 0;
    for (int32_t nx = -64; nx <= 64; ++nx) {
        for (int32_t ny = -64; ny <= 64; ++ny) {
            for (int32_t nz = 1; nz <= 64; nz += 3) {
                const uint32_t amount = highlightAmount(nx, ny, nz, 220);
                ASSERT_LE(amount, 220u);
                brightest = std::max(brightest, amount);
            }
        }
    }
    EXPECT_EQ(brightest, 220u);
    EXPECT_EQ(highlightAmount(0, 0, 64, 220), 0u); // straight at the viewer, away from the light
}

namespace {

// A normal that catches the full light, found by search so that the test does not restate the
// rotation.
MapPixel brightestNormal() {
    for (int32_t nx = -64; nx <= 64; ++nx) {
        for (int32_t ny = -64; ny <= 64; ++ny) {
            for (int32_t nz = 1; nz <= 64; ++nz) {
                if (highlightAmount(nx, ny, nz, 220) == 220) {
                    return MapPixel{2, static_cast<int8_t>(nx), static_cast<int8_t>(ny),
                                    static_cast<int8_t>(nz)};
                }
            }
        }
    }
    return MapPixel{};
}

} // namespace

TEST_F(RendererTest, BrightestHighlightClampsEachChannel) {
    const MapPixel shiny = brightestNormal();
    ASSERT_NE(shiny.normalZ, 0);

    setRendererPixelFormat(0xF800, 0x07E0, 0x001F);
    Surface map(3, 3);
    map.pixel(0, 0) = shiny;
    Picture background16(16, 3, 3);
    background16.fill([](int32_t, int32_t) { return (10u << 11) | (30u << 5) | 0u; });
    Picture destination16(16, 3, 3);
    renderWetPixels(0, 0, 0, 0, &map.pixel(0, 0), 3, 3, destination16.desc, background16.desc);
    // +40 each: red 10 -> 31 (clamped), green 30 -> 63 (clamped), blue 0 -> 31 (clamped).
    EXPECT_EQ(destination16.at(0, 0), (31u << 11) | (63u << 5) | 31u);

    setRendererPixelFormat(0xFF0000, 0x00FF00, 0x0000FF);
    Picture background32(32, 3, 3);
    background32.fill([](int32_t, int32_t) { return 0xFF102030u; });
    Picture destination32(32, 3, 3);
    renderWetPixels(0, 0, 0, 0, &map.pixel(0, 0), 3, 3, destination32.desc, background32.desc);
    // +220 each, clamped at 255; the byte outside the masks is cleared.
    EXPECT_EQ(destination32.at(0, 0), 0x00ECFCFFu);
}

TEST_F(RendererTest, NoHighlightKeepsBitsOutsideTheMasks) {
    setRendererPixelFormat(0xFF0000, 0x00FF00, 0x0000FF);
    Surface map(3, 3);
    map.pixel(0, 0) = MapPixel{8, 0, 0, 64};
    Picture background(32, 3, 3);
    background.fill([](int32_t, int32_t) { return 0xFF102030u; });
    Picture destination(32, 3, 3);
    renderWetPixels(0, 0, 0, 0, &map.pixel(0, 0), 3, 3, destination.desc, background.desc);
    EXPECT_EQ(destination.at(0, 0), 0xFF102030u);
}

TEST_F(RendererTest, SmoothingDarkensTrailsAndSparesTheBorder) {
    setRendererPixelFormat(0xFF0000, 0x00FF00, 0x0000FF);
    Surface map(6, 5);
    map.pixel(2, 2) = MapPixel{1, 0, 0, 1};
    map.pixel(0, 2) = MapPixel{1, 0, 0, 1};
    Picture background(32, 6, 5);
    background.fill([](int32_t, int32_t) { return 0x00A0A0A0u; });
    Picture destination(32, 6, 5);
    destination.fill([](int32_t, int32_t) { return 0x00A0A0A0u; });
    renderAll(map, destination, background);
    // 16 x 160 x 15 >> 8 = 150: a trail is the local average darkened by a sixteenth.
    EXPECT_EQ(destination.at(2, 2), 0x00969696u);
    // The outermost column is refracted but never smoothed.
    EXPECT_EQ(destination.at(0, 2), 0x00A0A0A0u);
}

TEST_F(RendererTest, SmoothingAveragesDropPixelsWithTheirNeighbours) {
    setRendererPixelFormat(0xFF0000, 0x00FF00, 0x0000FF);
    Surface map(5, 5);
    map.pixel(2, 2) = MapPixel{8, 0, 0, 64}; // no offset, no highlight
    Picture background(32, 5, 5);
    background.fill([](int32_t x, int32_t y) { return x == 2 && y == 2 ? 0x00FF0000u : 0u; });
    Picture destination(32, 5, 5);
    renderAll(map, destination, background);
    EXPECT_EQ(destination.at(2, 2), 0x007F0000u); // 8 x 255 / 16
}

TEST_F(RendererTest, TwentyFourBitPixelsAreThreeBytes) {
    setRendererPixelFormat(0xFF0000, 0x00FF00, 0x0000FF);
    Surface map(4, 3);
    map.pixel(0, 0) = MapPixel{2, 30, 0, 50};
    Picture background(24, 4, 3);
    background.fill([](int32_t x, int32_t) { return 0x010203u * static_cast<uint32_t>(x + 1); });
    Picture destination(24, 4, 3);
    destination.set(1, 0, 0xABCDEFu);
    renderWetPixels(0, 0, 0, 0, &map.pixel(0, 0), 4, 3, destination.desc, background.desc);
    const uint32_t expected = 0x010203u * 4 + highlightAmount(30, 0, 50, 220) * 0x010101u;
    EXPECT_EQ(destination.at(0, 0), expected);
    EXPECT_EQ(destination.at(1, 0), 0xABCDEFu); // the neighbouring pixel is untouched
}

// Wet glass at random: of kinds 0..kinds-1, 0 is dry, 1 a trail and the rest drops of heights
// 2..heights+1 with every slope. The seed moves on, so that a picture can be drawn from it next.
uint32_t nextSeeded(uint32_t& seed) {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
}

Surface randomMap(int32_t width, int32_t height, uint32_t& seed, uint32_t kinds, uint32_t heights) {
    Surface map(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t kind = nextSeeded(seed) % kinds;
            if (kind == 1) {
                map.pixel(x, y) = MapPixel{1, 0, 0, 1};
            } else if (kind > 1) {
                map.pixel(x, y) = MapPixel{static_cast<uint8_t>(2 + nextSeeded(seed) % heights),
                                           static_cast<int8_t>(nextSeeded(seed) % 129 - 64),
                                           static_cast<int8_t>(nextSeeded(seed) % 129 - 64),
                                           static_cast<int8_t>(1 + nextSeeded(seed) % 64)};
            }
        }
    }
    return map;
}

TEST_F(RendererTest, ChannelLayoutDoesNotChangeTheResult) {
    // The same scene in two 32-bit layouts: colour in the low three bytes, and the same colour
    // one byte higher. Whatever shortcut a layout takes, the pixels must agree.
    constexpr int32_t width = 24;
    constexpr int32_t height = 16;
    uint32_t seed = 7;
    const Surface map = randomMap(width, height, seed, 4, 7);
    Picture low(32, width, height);
    low.fill([&](int32_t, int32_t) { return nextSeeded(seed) & 0x00FFFFFFu; });
    Picture high(32, width, height);
    high.fill([&](int32_t x, int32_t y) { return low.at(x, y) << 8; });

    Picture lowResult(32, width, height);
    setRendererPixelFormat(0xFF0000, 0x00FF00, 0x0000FF);
    setNextRandomState(0);
    renderAll(map, lowResult, low);

    Picture highResult(32, width, height);
    setRendererPixelFormat(0xFF000000, 0x00FF0000, 0x0000FF00);
    setNextRandomState(0);
    renderAll(map, highResult, high);

    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            ASSERT_EQ(highResult.at(x, y), lowResult.at(x, y) << 8) << x << ", " << y;
        }
    }
}

namespace {

// The renderer's algorithm written as plainly as possible, pixel by pixel: what every shortcut
// of the real one has to reproduce to the bit.
class PlainRenderer {
public:
    PlainRenderer(uint32_t redMask, uint32_t greenMask, uint32_t blueMask)
        : masks_{redMask, greenMask, blueMask} {}

    void render(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const Surface& map,
                Picture& destination, const Picture& background) const {
        const int32_t width = map.width();
        const int32_t height = map.height();
        const int32_t bits = destination.desc.bitsPerPixel;
        for (int32_t y = y0; y <= y1; ++y) {
            for (int32_t x = x0; x <= x1; ++x) {
                const MapPixel& m = map.pixel(x, y);
                if (m.height == 0) {
                    continue;
                }
                const int32_t f = m.normalZ != 0 ? ((8 - m.height) * 4096) / m.normalZ : 0x7FFFFFFF;
                int32_t sx = x + (wrapped(f, m.normalX) >> 12);
                int32_t sy = y + (wrapped(f, m.normalY) >> 12);
                if (m.height == 1) {
                    sx += static_cast<int32_t>(nextRandom(3)) - 1;
                }
                uint32_t colour = background.at(wrap(sx, width), wrap(sy, height));
                if (bits > 8 && m.height != 1) {
                    colour = brighten(colour, highlightAmount(m.normalX, m.normalY, m.normalZ,
                                                              bits == 16 ? 40 : 220));
                }
                destination.set(x, y, colour);
            }
        }
        if (bits == 8) {
            return;
        }
        for (int32_t y = std::max(y0, 1); y <= std::min(y1, height - 2); ++y) {
            for (int32_t x = std::max(x0, 1); x <= std::min(x1, width - 2); ++x) {
                const MapPixel& m = map.pixel(x, y);
                if (m.height != 0) {
                    destination.set(x, y, average(destination, x, y, m.height == 1));
                }
            }
        }
    }

private:
    static int32_t wrapped(int32_t a, int32_t b) {
        return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
    }
    static int32_t wrap(int32_t value, int32_t size) {
        if (value < 0) {
            return (size - 1) + value % size;
        }
        return value >= size ? value % size : value;
    }
    static uint32_t shiftOf(uint32_t mask) {
        return mask == 0 ? 0 : static_cast<uint32_t>(__builtin_ctz(mask));
    }
    uint32_t brighten(uint32_t colour, uint32_t amount) const {
        if (amount == 0) {
            return colour;
        }
        uint32_t result = 0;
        for (const uint32_t mask : masks_) {
            const uint32_t max = mask >> shiftOf(mask);
            const uint32_t value = ((colour & mask) >> shiftOf(mask)) + amount;
            result |= std::min(value, max) << shiftOf(mask);
        }
        return result;
    }
    uint32_t average(const Picture& picture, int32_t x, int32_t y, bool trail) const {
        uint32_t result = 0;
        for (const uint32_t mask : masks_) {
            uint32_t sum = 0;
            for (int32_t dy = -1; dy <= 1; ++dy) {
                for (int32_t dx = -1; dx <= 1; ++dx) {
                    const uint32_t weight = dx == 0 && dy == 0 ? 8 : 1;
                    sum += weight * ((picture.at(x + dx, y + dy) & mask) >> shiftOf(mask));
                }
            }
            const uint32_t value = trail ? ((sum * 15) >> 4) >> 4 : sum >> 4;
            result |= value << shiftOf(mask);
        }
        return result;
    }

    uint32_t masks_[3];
};

struct Layout {
    int32_t bitsPerPixel;
    uint32_t red;
    uint32_t green;
    uint32_t blue;
};

TEST(RendererAgainstPlainAlgorithm, EveryLayoutAndRectangleGivesTheSamePixels) {
    constexpr int32_t width = 40;
    constexpr int32_t height = 24;
    // Rectangles over the border, inside, one to three pixels wide with odd and even counts of
    // rows, and the same area twice.
    const std::vector<DirtyRect> rects = {{0, height - 1, width - 1, 0},
                                          {3, 12, 17, 5},
                                          {16, 20, 31, 9},
                                          {0, 23, 0, 0},
                                          {39, 9, 39, 2},
                                          {5, 7, 36, 7},
                                          {7, 15, 7, 3},
                                          {20, 14, 21, 4},
                                          {9, 10, 11, 0},
                                          {24, 23, 38, 13},
                                          {3, 12, 17, 5}};
    const std::vector<Layout> layouts = {{32, 0xFF0000, 0x00FF00, 0x0000FF},
                                         {32, 0x0000FF, 0x00FF00, 0xFF0000},
                                         {32, 0xFF000000, 0x00FF0000, 0x0000FF00},
                                         {24, 0xFF0000, 0x00FF00, 0x0000FF},
                                         {16, 0xF800, 0x07E0, 0x001F},
                                         {16, 0x7C00, 0x03E0, 0x001F},
                                         {8, 0, 0, 0}};
    uint32_t seed = 11;
    const Surface map = randomMap(width, height, seed, 5, 9);
    for (const Layout& layout : layouts) {
        Picture background(layout.bitsPerPixel, width, height);
        background.fill([&](int32_t, int32_t) {
            seed = seed * 1103515245u + 12345u;
            return seed;
        });
        Picture actual(layout.bitsPerPixel, width, height);
        actual.fill([&](int32_t x, int32_t y) { return background.at(x, y); });
        Picture expected = actual;
        expected.desc.pixels = expected.bytes.data();
        setRendererPixelFormat(layout.red, layout.green, layout.blue);
        const PlainRenderer plain(layout.red, layout.green, layout.blue);
        for (const DirtyRect& rect : rects) {
            setNextRandomState(99);
            plain.render(rect.left, rect.top, rect.right, rect.bottom, map, expected, background);
            setNextRandomState(99);
            renderWetPixels(rect.left, rect.top, rect.right, rect.bottom,
                            &map.pixel(rect.left, rect.top), width, height, actual.desc,
                            background.desc);
            ASSERT_EQ(actual.bytes, expected.bytes)
                << layout.bitsPerPixel << " bits, red " << std::hex << layout.red
                << ", rectangle from " << std::dec << rect.left << ", " << rect.top;
        }
    }
}

// Every height a map pixel can hold against every slope, dry and flat ones included.
TEST(RendererAgainstPlainAlgorithm, EveryHeightAndSlopeBendsTheViewAlike) {
    constexpr int32_t width = 256;
    constexpr int32_t height = 256;
    Surface map(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            map.pixel(x, y) = MapPixel{static_cast<uint8_t>(x), static_cast<int8_t>(y - 128),
                                       static_cast<int8_t>(127 - y), static_cast<int8_t>(y - 128)};
        }
    }
    Picture background(32, width, height);
    uint32_t seed = 5;
    background.fill([&](int32_t, int32_t) { return nextSeeded(seed); });
    Picture actual(32, width, height);
    Picture expected = actual;
    expected.desc.pixels = expected.bytes.data();
    setRendererPixelFormat(0xFF0000, 0x00FF00, 0x0000FF);
    const PlainRenderer plain(0xFF0000, 0x00FF00, 0x0000FF);
    setNextRandomState(3);
    plain.render(0, 0, width - 1, height - 1, map, expected, background);
    setNextRandomState(3);
    renderWetPixels(0, 0, width - 1, height - 1, &map.pixel(0, 0), width, height, actual.desc,
                    background.desc);
    EXPECT_EQ(actual.bytes, expected.bytes);
}

} // namespace
