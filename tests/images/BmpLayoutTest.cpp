#include "images/BmpLayout.h"

#include "images/ImageTestFiles.h"

#include <gtest/gtest.h>

using BMP::partOutsideFileFault;

namespace {

void setLittleEndian(Bytes& bytes, std::size_t at, uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

constexpr std::size_t pixelOffsetAt = 10;
constexpr std::size_t heightAt = 22;
constexpr std::size_t imageSizeAt = 34;
constexpr std::size_t coloursUsedAt = 46;

} // namespace

// The system's reader follows a header wherever it points; each of these once had it read past
// the end of the file.
TEST(BmpLayoutTest, EveryPartTheHeadersNameMustLieInsideTheFile) {
    EXPECT_EQ(partOutsideFileFault(bitmap24(3, 2, std::vector<Rgb>(6, Rgb{1, 2, 3}))), "");
    EXPECT_EQ(partOutsideFileFault(greyRle8Bitmap()), "");

    Bytes shortPalette = greyRle8Bitmap();
    shortPalette.resize(54 + 100 * 4);
    EXPECT_EQ(partOutsideFileFault(shortPalette), "the file ends inside its palette");

    Bytes tooManyColours = greyRle8Bitmap();
    setLittleEndian(tooManyColours, coloursUsedAt, 300);
    EXPECT_EQ(partOutsideFileFault(tooManyColours), "a palette of 300 colours is no picture's");

    Bytes longRuns = greyRle8Bitmap();
    setLittleEndian(longRuns, imageSizeAt, 13);
    EXPECT_EQ(partOutsideFileFault(longRuns),
              "the file ends before the 4 x 2 pixels its header names");

    Bytes pixelsInThePalette = greyRle8Bitmap();
    setLittleEndian(pixelsInThePalette, pixelOffsetAt, 54);
    EXPECT_NE(partOutsideFileFault(pixelsInThePalette), "");

    Bytes lastRowCut = bitmap24(3, 2, std::vector<Rgb>(6, Rgb{1, 2, 3}));
    lastRowCut.pop_back();
    EXPECT_EQ(partOutsideFileFault(lastRowCut),
              "the file ends before the 3 x 2 pixels its header names");
}

TEST(BmpLayoutTest, HeadersTheSystemCannotReadAreRefused) {
    Bytes topDownRuns = greyRle8Bitmap();
    setLittleEndian(topDownRuns, heightAt, static_cast<uint32_t>(-2));
    EXPECT_EQ(partOutsideFileFault(topDownRuns),
              "pictures of 8 bits per pixel with compression 1 cannot be read");

    Bytes oddHeader = bitmap24(3, 2, std::vector<Rgb>(6, Rgb{1, 2, 3}));
    setLittleEndian(oddHeader, 14, 20);
    EXPECT_EQ(partOutsideFileFault(oddHeader), "a header of 20 bytes is no bitmap's");

    EXPECT_EQ(partOutsideFileFault(Bytes{'B', 'M', 0}), "the data is no Windows bitmap");
    EXPECT_EQ(partOutsideFileFault(bitmapHeaders(0, 2, 24, 0, 0, 0)),
              "a picture of 0 x 2 pixels cannot be read");
}
