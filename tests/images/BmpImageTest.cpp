#include "images/BmpImage.h"

#include "ImageTestFiles.h"

#include <gtest/gtest.h>

namespace {

// 4 x 2, run-length encoded with a grey palette, as the lightning texture is stored: bottom
// row 0x10 0x10 0x80 0x80, top row 0xFF four times.
std::vector<uint8_t> rowOf(const Graphics::Bitmap& bitmap, int y) {
    return {bitmap.row(y), bitmap.row(y) + bitmap.pitch()};
}

} // namespace

TEST(BmpImageTest, TwentyFourBitFileLoadsTopDownInBlueGreenRedOrder) {
    ImageTestFolder folder;
    const auto file = folder.write(
        "small.bmp",
        bitmap24(3, 2, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}}));
    const auto image = BMP::Image::fromFile(file);
    ASSERT_EQ(image->width(), 3);
    ASSERT_EQ(image->height(), 2);
    ASSERT_EQ(image->bitmap().pitch(), 12);
    EXPECT_EQ(rowOf(image->bitmap(), 0),
              (std::vector<uint8_t>{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rowOf(image->bitmap(), 1),
              (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0}));
}

TEST(BmpImageTest, RunLengthEncodedGreyBitmapKeepsItsValues) {
    ImageTestFolder folder;
    const auto image = BMP::Image::fromFile(folder.write("texture.bmp", greyRle8Bitmap()));
    EXPECT_EQ(rowOf(image->bitmap(), 0), std::vector<uint8_t>(12, 0xFF));
    EXPECT_EQ(rowOf(image->bitmap(), 1),
              (std::vector<uint8_t>{0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x80, 0x80, 0x80, 0x80,
                                    0x80, 0x80}));
}

TEST(BmpImageTest, MissingFileIsReportedAsNotFound) {
    ImageTestFolder folder;
    try {
        BMP::Image::fromFile(folder.path("absent.bmp"));
        FAIL() << "no error";
    } catch (const Graphics::FileNotFoundError& error) {
        EXPECT_STREQ(error.what(), "BMP image file not found");
    }
}

TEST(BmpImageTest, DamagedFileIsADecodingErrorNotAMissingFile) {
    ImageTestFolder folder;
    Bytes truncated = bitmap24(40, 40, std::vector<Rgb>(1600, Rgb{9, 9, 9}));
    truncated.resize(truncated.size() / 2);
    const Bytes notABitmap = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const Bytes& content : {truncated, notABitmap, Bytes{}}) {
        const auto file = folder.write("damaged.bmp", content);
        try {
            BMP::Image::fromFile(file);
            ADD_FAILURE() << "no error for " << content.size() << " bytes";
        } catch (const Graphics::FileNotFoundError&) {
            ADD_FAILURE() << "reported as missing";
        } catch (const Graphics::Error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("BMP image error: ", 0), 0u) << error.what();
        }
    }
}

TEST(BmpImageTest, UnknownResourceIsReported) {
    try {
        BMP::Image::fromResource("NO_SUCH_BITMAP");
        FAIL() << "no error";
    } catch (const BMP::Image::ResourceNotFoundError& error) {
        EXPECT_STREQ(error.what(), "BMP image resource not found");
    }
}

// The reader would ask for the memory a damaged header names before reading any pixel.
TEST(BmpImageTest, AHeaderNamingAHugePictureIsRefusedBeforeAnythingIsAllocated) {
    for (const int height : {1000000, -1000000}) {
        const Bytes bytes = bitmapHeaders(1000000, height, 24, 0, 0, 16);
        try {
            BMP::Image::fromMemory(bytes);
            ADD_FAILURE() << "a picture of 10^12 pixels was read";
        } catch (const Graphics::Error& error) {
            EXPECT_NE(std::string(error.what()).find("1000000 x 1000000 pixels is too large"),
                      std::string::npos)
                << error.what();
        }
    }
}

namespace {

// A few damaged bytes must not cost the memory of the picture their header names.
TEST(BmpImageTest, UncompressedPixelsThatCannotBeInTheFileAreRefusedFirst) {
    Bytes bytes = bitmapHeaders(8000, 8000, 24, 0, 0, 100);
    bytes.resize(bytes.size() + 100, 0x11);
    try {
        BMP::Image::fromMemory(bytes);
        ADD_FAILURE() << "a picture of 8000 x 8000 pixels was read from 154 bytes";
    } catch (const Graphics::Error& error) {
        EXPECT_NE(std::string(error.what()).find("ends before the 8000 x 8000 pixels"),
                  std::string::npos)
            << error.what();
    }

    Bytes complete = bitmap24(3, 2, std::vector<Rgb>(6, Rgb{1, 2, 3}));
    EXPECT_EQ(BMP::Image::fromMemory(complete)->width(), 3);
    complete.resize(complete.size() - 12);
    EXPECT_THROW(BMP::Image::fromMemory(complete), Graphics::Error);
}

} // namespace

namespace {

std::string bmpErrorOf(const Bytes& bytes) {
    try {
        BMP::Image::fromMemory(bytes);
    } catch (const Graphics::Error& error) {
        return error.what();
    }
    return "read";
}

// Damaged headers the fuzzers made up: each had the reader ask for gigabytes, or read a header
// the file does not hold.
TEST(BmpImageTest, DamagedHeadersAreRefusedBeforeTheReaderSeesThem) {
    // The older header's sizes have no sign: 0xFFF8 is 65528 pixels, not -8.
    Bytes core = {'B', 'M', 0x96, 0, 4, 0,    0x29, 0,    0,    0,    0x28, 0, 0,
                  0,   12,  0,    0, 0, 0xF8, 0xFF, 0xFF, 0xFF, 0xE1, 0xE9, 8, 0};
    EXPECT_EQ(bmpErrorOf(core), "BMP image error: a picture of 65528 x 65535 pixels is too large");

    Bytes cut = bitmapHeaders(4, 4, 24, 0, 0, 48);
    cut.resize(40);
    EXPECT_EQ(bmpErrorOf(cut), "BMP image error: the file ends inside its header");

    Bytes deep = bitmap24(2, 2, std::vector<Rgb>(4, Rgb{1, 2, 3}));
    deep[28] = 0xE1;
    deep[29] = 0xE9;
    EXPECT_EQ(bmpErrorOf(deep), "BMP image error: 59873 bits per pixel is no depth of a picture");
}

} // namespace
