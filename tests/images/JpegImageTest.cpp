#include "images/JpegImage.h"

#include "ImageTestFiles.h"

#include <gtest/gtest.h>

namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};

// Noise compresses badly, so cutting the stream lands in the middle of the pixel data.
Bytes noisyJpeg() {
    return encodeJpeg(64, 64, [](int x, int y) {
        const auto v = static_cast<uint8_t>((x * 7919 + y * 104729) % 251);
        return Rgb{v, static_cast<uint8_t>(255 - v), static_cast<uint8_t>(v * 3)};
    });
}

void expectPixelNear(const Graphics::Bitmap& bitmap, int x, int y, Rgb colour) {
    const uint8_t* pixel = bitmap.row(y) + x * 3;
    EXPECT_NEAR(pixel[0], colour.blue, 4) << "at " << x << "," << y;
    EXPECT_NEAR(pixel[1], colour.green, 4) << "at " << x << "," << y;
    EXPECT_NEAR(pixel[2], colour.red, 4) << "at " << x << "," << y;
}

template <typename Load> std::string decodingErrorOf(Load load) {
    try {
        load();
    } catch (const JPEG::Image::FileNotFoundError&) {
        return "(file not found)";
    } catch (const Graphics::Error& error) {
        return error.what();
    }
    return "(no error)";
}

} // namespace

TEST(JpegImageTest, FivePixelsWideGivesPaddedRowsOfSixteenBytes) {
    const Bytes jpeg = solidJpeg(5, 3, red);
    const auto image = JPEG::Image::fromMemory(jpeg);
    ASSERT_EQ(image->width(), 5);
    ASSERT_EQ(image->height(), 3);
    const Graphics::Bitmap& bitmap = image->bitmap();
    EXPECT_EQ(bitmap.pitch(), 16);
    EXPECT_EQ(bitmap.row(2) - bitmap.row(0), 32);
    for (int y = 0; y < 3; ++y) {
        expectPixelNear(bitmap, 4, y, red);
        EXPECT_EQ(bitmap.row(y)[15], 0);
    }
}

TEST(JpegImageTest, RowsRunTopDownInBlueGreenRedOrder) {
    ImageTestFolder folder;
    const auto file = folder.write(
        "halves.jpg", encodeJpeg(16, 16, [](int, int y) { return y < 8 ? red : blue; }));
    const auto image = JPEG::Image::fromFile(file);
    expectPixelNear(image->bitmap(), 3, 2, red);
    expectPixelNear(image->bitmap(), 3, 13, blue);
}

TEST(JpegImageTest, GreyPicturesComeOutInColourLayout) {
    const Bytes jpeg = encodeJpeg(
        8, 8,
        [](int, int) {
            return Rgb{90, 0, 0};
        },
        true);
    expectPixelNear(JPEG::Image::fromMemory(jpeg)->bitmap(), 5, 5, Rgb{90, 90, 90});
}

TEST(JpegImageTest, MissingFileIsReportedAsNotFound) {
    ImageTestFolder folder;
    try {
        JPEG::Image::fromFile(folder.path("absent.jpg"));
        FAIL() << "no error";
    } catch (const Graphics::FileNotFoundError& error) {
        EXPECT_STREQ(error.what(), "Image file not found");
        EXPECT_NE(dynamic_cast<const JPEG::Image::FileNotFoundError*>(&error), nullptr);
    }
}

TEST(JpegImageTest, DamagedStreamsGiveTheDecodersMessage) {
    const Bytes garbage = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
    EXPECT_EQ(decodingErrorOf([&] { JPEG::Image::fromMemory(garbage); }),
              "JPEG library error: Not a JPEG file: starts with 0x68 0x65");
    EXPECT_EQ(decodingErrorOf([] { JPEG::Image::fromMemory({}); }),
              "JPEG library error: Empty input file");
    ImageTestFolder folder;
    EXPECT_EQ(decodingErrorOf([&] { JPEG::Image::fromFile(folder.write("empty.jpg", {})); }),
              "JPEG library error: Empty input file");
}

TEST(JpegImageTest, TruncatedStreamIsAnErrorNotAGreyPicture) {
    Bytes jpeg = noisyJpeg();
    jpeg.resize(jpeg.size() / 2);
    const std::string expected = "JPEG library error: Premature end of JPEG file";
    EXPECT_EQ(decodingErrorOf([&] { JPEG::Image::fromMemory(jpeg); }), expected);
    ImageTestFolder folder;
    const auto file = folder.write("cut.jpg", jpeg);
    EXPECT_EQ(decodingErrorOf([&] { JPEG::Image::fromFile(file); }), expected);
}

TEST(JpegImageTest, HugeClaimedSizeIsRefusedBeforeAllocating) {
    Bytes jpeg = solidJpeg(8, 8, red);
    // The baseline frame header: FF C0, length, precision, height and width big-endian.
    std::size_t frame = 0;
    while (!(jpeg[frame] == 0xFF && jpeg[frame + 1] == 0xC0)) {
        ++frame;
    }
    jpeg[frame + 5] = jpeg[frame + 7] = 0xEA;
    jpeg[frame + 6] = jpeg[frame + 8] = 0x60;
    EXPECT_EQ(decodingErrorOf([&] { JPEG::Image::fromMemory(jpeg); }),
              "Unsupported image size: 60000 x 60000 pixels");
}

// The fuzzers' lower limit holds for every picture until it is put back.
TEST(JpegImageTest, ALoweredSizeLimitRefusesLargerPictures) {
    const Bytes jpeg = solidJpeg(64, 64, red);
    Graphics::Bitmap::setLargestByteCount(64 * 64 * 3 - 1);
    const std::string refused = decodingErrorOf([&] { JPEG::Image::fromMemory(jpeg); });
    Graphics::Bitmap::setLargestByteCount(Graphics::Bitmap::maxByteCount);
    EXPECT_EQ(refused, "Unsupported image size: 64 x 64 pixels");
    EXPECT_EQ(JPEG::Image::fromMemory(jpeg)->width(), 64);
}
