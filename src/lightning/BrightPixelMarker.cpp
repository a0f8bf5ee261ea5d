#include "lightning/BrightPixelMarker.h"

#include "lightning/PixelBytes.h"
#include "lightning/PixelChannels.h"

#include <algorithm>
#include <array>
#include <bit>
#include <emmintrin.h>
#include <vector>

namespace {

// The luma exceeds t exactly when the weighted sum reaches 1000 (t + 1): no division.
uint32_t leastBrightSum(uint32_t threshold) {
    return 1000 * (threshold + 1);
}

bool isBrightRgb(const PixelChannels::Rgb& rgb, uint32_t leastSum) {
    return rgb.red * 299 + rgb.green * 587 + rgb.blue * 114 >= leastSum;
}

// Any channel layout.
struct DecodingTest {
    PixelChannels channels;
    uint32_t leastSum;

    bool operator()(uint32_t pixel) const { return isBrightRgb(channels.decode(pixel), leastSum); }
};

// Pixels of one or two bytes have few enough values to answer them all once, a bit each, so
// that the answers stay in the nearest cache.
struct AnsweredTest {
    std::vector<uint64_t> bright;

    AnsweredTest(const Pixels::PixelFormat& format, uint32_t leastSum)
        : bright(((std::size_t{1} << (8 * format.bytesPerPixel())) + 63) / 64) {
        const PixelChannels channels(format);
        const uint32_t values = 1u << (8 * format.bytesPerPixel());
        for (uint32_t pixel = 0; pixel < values; ++pixel) {
            if (isBrightRgb(channels.decode(pixel), leastSum)) {
                bright[pixel / 64] |= uint64_t{1} << (pixel % 64);
            }
        }
    }

    bool operator()(uint32_t pixel) const { return (bright[pixel / 64] >> (pixel % 64)) & 1u; }
};

// Channels that are whole bytes of the pixel: four pixels at a time, each byte weighed in 16-bit
// lanes (pmaddwd sums the products of a lane pair).
class WholeByteTest {
public:
    static bool fits(const Pixels::PixelFormat& format) {
        return isWholeByte(format.redMask) && isWholeByte(format.greenMask) &&
               isWholeByte(format.blueMask);
    }

    WholeByteTest(const Pixels::PixelFormat& format, uint32_t leastSum)
        : leastSum_(leastSum), evenBytes_(weights(format, 0, 2)), oddBytes_(weights(format, 1, 3)),
          aboveSum_(_mm_set1_epi32(static_cast<int32_t>(leastSum) - 1)) {
        std::array<uint32_t, 4> byteWeights{};
        byteWeights[byteOf(format.redMask)] = 299;
        byteWeights[byteOf(format.greenMask)] = 587;
        byteWeights[byteOf(format.blueMask)] = 114;
        byteWeights_ = byteWeights;
    }

    bool operator()(uint32_t pixel) const {
        uint32_t sum = 0;
        for (std::size_t byte = 0; byte < 4; ++byte) {
            sum += ((pixel >> (8 * byte)) & 0xFFu) * byteWeights_[byte];
        }
        return sum >= leastSum_;
    }

    // Bit i for pixel i of the four.
    template <int Bytes> uint32_t fourAt(const uint8_t* at) const {
        __m128i pixels;
        if constexpr (Bytes == 4) {
            pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        } else {
            pixels = _mm_set_epi32(static_cast<int32_t>(readPixel<Bytes>(at + 3 * Bytes)),
                                   static_cast<int32_t>(readPixel<Bytes>(at + 2 * Bytes)),
                                   static_cast<int32_t>(readPixel<Bytes>(at + Bytes)),
                                   static_cast<int32_t>(readPixel<Bytes>(at)));
        }
        const __m128i lowBytes = _mm_set1_epi32(0x00FF00FF);
        const __m128i even = _mm_and_si128(pixels, lowBytes);
        const __m128i odd = _mm_and_si128(_mm_srli_epi32(pixels, 8), lowBytes);
        const __m128i sum =
            _mm_add_epi32(_mm_madd_epi16(even, evenBytes_), _mm_madd_epi16(odd, oddBytes_));
        return static_cast<uint32_t>(
            _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(sum, aboveSum_))));
    }

private:
    static bool isWholeByte(uint32_t mask) {
        return mask == 0xFFu || mask == 0xFF00u || mask == 0xFF0000u || mask == 0xFF000000u;
    }
    static std::size_t byteOf(uint32_t mask) {
        return static_cast<std::size_t>(std::countr_zero(mask) / 8);
    }
    static uint32_t weightOfByte(const Pixels::PixelFormat& format, std::size_t byte) {
        const uint32_t mask = 0xFFu << (8 * byte);
        return format.redMask == mask     ? 299
               : format.greenMask == mask ? 587
               : format.blueMask == mask  ? 114
                                          : 0;
    }
    // The weights of two bytes side by side in the 16-bit lanes of every pixel.
    static __m128i weights(const Pixels::PixelFormat& format, std::size_t low, std::size_t high) {
        return _mm_set1_epi32(
            static_cast<int32_t>(weightOfByte(format, low) | weightOfByte(format, high) << 16));
    }

    uint32_t leastSum_;
    __m128i evenBytes_;
    __m128i oddBytes_;
    __m128i aboveSum_;
    std::array<uint32_t, 4> byteWeights_{};
};

template <int Bytes, typename Test>
uint64_t markWord(const uint8_t* pixel, int32_t count, const Test& isBright) {
    uint64_t bits = 0;
    int32_t i = 0;
    if constexpr (requires { isBright.template fourAt<Bytes>(pixel); }) {
        for (; i + 4 <= count; i += 4) {
            bits |= uint64_t{isBright.template fourAt<Bytes>(pixel + i * Bytes)} << i;
        }
    }
    for (; i < count; ++i) {
        bits |= static_cast<uint64_t>(isBright(readPixel<Bytes>(pixel + i * Bytes))) << i;
    }
    return bits;
}

template <int Bytes, typename Test>
void markRows(const PixelBufferDesc& pixels, const Test& isBright, uint64_t* bits,
              int32_t wordsPerRow) {
    for (int32_t y = 0; y < pixels.height; ++y) {
        const uint8_t* row = pixels.pixels + static_cast<std::ptrdiff_t>(y) * pixels.pitch;
        uint64_t* words = bits + static_cast<std::ptrdiff_t>(y) * wordsPerRow;
        for (int32_t x = 0; x < pixels.width; x += 64) {
            words[x / 64] = markWord<Bytes>(row + static_cast<std::ptrdiff_t>(x) * Bytes,
                                            std::min(64, pixels.width - x), isBright);
        }
    }
}

template <int Bytes>
void markWideRows(const PixelBufferDesc& pixels, const Pixels::PixelFormat& format,
                  uint32_t leastSum, uint64_t* bits, int32_t wordsPerRow) {
    if (WholeByteTest::fits(format)) {
        markRows<Bytes>(pixels, WholeByteTest(format, leastSum), bits, wordsPerRow);
    } else {
        markRows<Bytes>(pixels, DecodingTest{PixelChannels(format), leastSum}, bits, wordsPerRow);
    }
}

} // namespace

void markBrightPixels(const PixelBufferDesc& pixels, const Pixels::PixelFormat& format,
                      uint32_t threshold, uint64_t* bits, int32_t wordsPerRow) {
    const uint32_t leastSum = leastBrightSum(threshold);
    switch (format.bytesPerPixel()) {
    case 1:
        markRows<1>(pixels, AnsweredTest(format, leastSum), bits, wordsPerRow);
        break;
    case 2:
        markRows<2>(pixels, AnsweredTest(format, leastSum), bits, wordsPerRow);
        break;
    case 3:
        markWideRows<3>(pixels, format, leastSum, bits, wordsPerRow);
        break;
    default:
        markWideRows<4>(pixels, format, leastSum, bits, wordsPerRow);
        break;
    }
}
