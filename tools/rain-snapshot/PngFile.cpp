#include "rain-snapshot/PngFile.h"

#include <memory>
#include <png.h>
#include <stdexcept>

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

File openFile(const std::string& path, const char* mode) {
    File file(std::fopen(path.c_str(), mode));
    if (!file) {
        throw std::runtime_error("Cannot open " + path);
    }
    return file;
}

[[noreturn]] void throwPngError(png_structp, png_const_charp message) {
    throw std::runtime_error(std::string("PNG library error: ") + message);
}

void ignoreWarning(png_structp, png_const_charp) {}

} // namespace

RgbImage readPng(const std::string& path) {
    File file = openFile(path, "rb");
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, throwPngError, ignoreWarning);
    png_infop info = png_create_info_struct(png);
    try {
        png_init_io(png, file.get());
        png_read_info(png, info);
        // Whatever the stored layout, hand back 8-bit RGB.
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_strip_alpha(png);
        png_set_gray_to_rgb(png);
        png_read_update_info(png, info);
        RgbImage image;
        image.width = static_cast<int32_t>(png_get_image_width(png, info));
        image.height = static_cast<int32_t>(png_get_image_height(png, info));
        image.rgb.resize(static_cast<std::size_t>(image.width * image.height * 3));
        for (int32_t y = 0; y < image.height; ++y) {
            png_read_row(png, &image.rgb[static_cast<std::size_t>(y * image.width * 3)], nullptr);
        }
        png_destroy_read_struct(&png, &info, nullptr);
        return image;
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
}

void writePng(const std::string& path, const RgbImage& image) {
    File file = openFile(path, "wb");
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, throwPngError, ignoreWarning);
    png_infop info = png_create_info_struct(png);
    try {
        png_init_io(png, file.get());
        png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                     static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int32_t y = 0; y < image.height; ++y) {
            png_write_row(png, &image.rgb[static_cast<std::size_t>(y * image.width * 3)]);
        }
        png_write_end(png, nullptr);
        png_destroy_write_struct(&png, &info);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
}
