#include "images/ImageLoader.h"

#include "ImageTestFiles.h"
#include "images/BmpImage.h"
#include "images/JpegImage.h"

#include <gtest/gtest.h>

namespace {

const Bytes gifHeader = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, ';'};

class ImageLoaderTest : public ::testing::Test {
protected:
    ImageTestFolder folder;
    const Bytes jpeg = solidJpeg(6, 4, Rgb{10, 20, 30});
    const Bytes bmp = bitmap24(2, 1, {{1, 2, 3}, {4, 5, 6}});
};

} // namespace

TEST_F(ImageLoaderTest, GifIsTriedAsJpegAndFailsWithTheDecodersMessage) {
    try {
        Graphics::loadImage(folder.write("animation.gif", gifHeader));
        FAIL() << "no error";
    } catch (const Graphics::FileNotFoundError&) {
        FAIL() << "reported as missing";
    } catch (const Graphics::Error& error) {
        EXPECT_STREQ(error.what(), "JPEG library error: Not a JPEG file: starts with 0x47 0x49");
    }
}

TEST_F(ImageLoaderTest, ExtensionChoosesTheDecoderInAnyCase) {
    EXPECT_NE(dynamic_cast<BMP::Image*>(Graphics::loadImage(folder.write("a.BMP", bmp)).get()),
              nullptr);
    EXPECT_NE(dynamic_cast<BMP::Image*>(Graphics::loadImage(folder.write("b.bMp", bmp)).get()),
              nullptr);
    const auto photo = Graphics::loadImage(folder.write("photo.Jpeg", jpeg));
    EXPECT_NE(dynamic_cast<JPEG::Image*>(photo.get()), nullptr);
    EXPECT_EQ(photo->width(), 6);
    EXPECT_EQ(photo->height(), 4);
    // Only the file's own name counts, not a dot in the folder above it.
    const auto plain = Graphics::loadImage(folder.write("old.bmp/photo", jpeg));
    EXPECT_NE(dynamic_cast<JPEG::Image*>(plain.get()), nullptr);
    // A JPEG named .bmp goes to the bitmap reader.
    EXPECT_THROW(Graphics::loadImage(folder.write("photo.bmp", jpeg)), Graphics::Error);
}

TEST_F(ImageLoaderTest, MissingFilesAreNotFoundErrorsForTheScene) {
    EXPECT_THROW(Graphics::loadImage(folder.path("gone.bmp")), BMP::Image::FileNotFoundError);
    EXPECT_THROW(Graphics::loadImage(folder.path("gone.jpg")), JPEG::Image::FileNotFoundError);
    EXPECT_THROW(Graphics::loadImage(folder.path("gone.gif")), Graphics::FileNotFoundError);
}

TEST_F(ImageLoaderTest, SupportedImagesAreJpegOrBmpByNameAndContent) {
    EXPECT_TRUE(Graphics::isSupportedImage(folder.write("upper.JPG", jpeg)));
    EXPECT_TRUE(Graphics::isSupportedImage(folder.write("mixed.Jpeg", jpeg)));
    EXPECT_TRUE(Graphics::isSupportedImage(folder.write("lower.bmp", bmp)));
    EXPECT_FALSE(Graphics::isSupportedImage(folder.write("photo.png", jpeg)));
    EXPECT_FALSE(Graphics::isSupportedImage(folder.write("photo.gif", jpeg)));
    EXPECT_FALSE(Graphics::isSupportedImage(folder.write("photo", jpeg)));
}

TEST_F(ImageLoaderTest, WrongOrMissingContentIsNotSupported) {
    EXPECT_FALSE(Graphics::isSupportedImage(folder.write("animation.jpg", gifHeader)));
    EXPECT_FALSE(Graphics::isSupportedImage(
        folder.write("photo.jpeg", Bytes(jpeg.begin(), jpeg.begin() + 20))));
    EXPECT_FALSE(Graphics::isSupportedImage(folder.path("gone.jpg")));
    EXPECT_FALSE(Graphics::isSupportedImage(folder.write("short.bmp", {'B'})));
    EXPECT_FALSE(Graphics::isSupportedImage(folder.write("swapped.bmp", {'M', 'B', 0, 0})));
    EXPECT_FALSE(Graphics::isSupportedImage(folder.path("gone.bmp")));
    // The bitmap check looks at the signature only.
    EXPECT_TRUE(Graphics::isSupportedImage(folder.write("signature.bmp", {'B', 'M'})));
}
