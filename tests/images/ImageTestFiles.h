#pragma once

#include "app/TemporaryFolder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>
// clang-format off
#include <jpeglib.h>
// clang-format on

using Bytes = std::vector<unsigned char>;

struct Rgb {
    uint8_t red, green, blue;
};

// A folder of its own under the temporary folder, removed with everything in it.
class ImageTestFolder {
public:
    ImageTestFolder() : root_(freshTemporaryFolder()) {}
    ~ImageTestFolder() { std::filesystem::remove_all(root_); }
    ImageTestFolder(const ImageTestFolder&) = delete;
    ImageTestFolder& operator=(const ImageTestFolder&) = delete;

    std::filesystem::path write(const std::string& name, const Bytes& bytes) const {
        const std::filesystem::path file = root_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return file;
    }
    std::filesystem::path path(const std::string& name) const { return root_ / name; }

private:
    std::filesystem::path root_;
};

// Encodes with the library's compressor at full quality, without chroma subsampling.
inline Bytes encodeJpeg(int width, int height, const std::function<Rgb(int x, int y)>& colour,
                        bool grey = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* output = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &output, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * info.input_components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = colour(x, y);
            if (grey) {
                row[static_cast<std::size_t>(x)] = c.red;
            } else {
                row[static_cast<std::size_t>(x * 3)] = c.red;
                row[static_cast<std::size_t>(x * 3 + 1)] = c.green;
                row[static_cast<std::size_t>(x * 3 + 2)] = c.blue;
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes bytes(output, output + size);
    std::free(output);
    return bytes;
}

inline Bytes solidJpeg(int width, int height, Rgb colour) {
    return encodeJpeg(width, height, [colour](int, int) { return colour; });
}

inline void appendLittleEndian(Bytes& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

// File header and 40-byte info header of a bottom-up Windows bitmap.
inline Bytes bitmapHeaders(int width, int height, int bitsPerPixel, uint32_t compression,
                           uint32_t paletteEntries, uint32_t pixelBytes) {
    const uint32_t pixelOffset = 14 + 40 + paletteEntries * 4;
    Bytes bytes = {'B', 'M'};
    appendLittleEndian(bytes, pixelOffset + pixelBytes, 4);
    appendLittleEndian(bytes, 0, 4);
    appendLittleEndian(bytes, pixelOffset, 4);
    appendLittleEndian(bytes, 40, 4);
    appendLittleEndian(bytes, static_cast<uint32_t>(width), 4);
    appendLittleEndian(bytes, static_cast<uint32_t>(height), 4);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, static_cast<uint32_t>(bitsPerPixel), 2);
    appendLittleEndian(bytes, compression, 4);
    appendLittleEndian(bytes, pixelBytes, 4);
    appendLittleEndian(bytes, 2835, 4);
    appendLittleEndian(bytes, 2835, 4);
    appendLittleEndian(bytes, paletteEntries, 4);
    appendLittleEndian(bytes, 0, 4);
    return bytes;
}

// A 24-bit bitmap; colours are given top row first.
inline Bytes bitmap24(int width, int height, const std::vector<Rgb>& topDown) {
    const int pitch = (width * 3 + 3) & ~3;
    Bytes bytes = bitmapHeaders(width, height, 24, 0, 0, static_cast<uint32_t>(pitch * height));
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& c = topDown[static_cast<std::size_t>(y * width + x)];
            bytes.insert(bytes.end(), {c.blue, c.green, c.red});
        }
        bytes.resize(bytes.size() + static_cast<std::size_t>(pitch - width * 3), 0xEE);
    }
    return bytes;
}

// A 4 x 2 run-length encoded 8-bit bitmap with a grey palette: a row of two 0x10 and two 0x80
// pixels under a row of four 0xFF.
inline Bytes greyRle8Bitmap() {
    const Bytes runs = {2, 0x10, 2, 0x80, 0, 0, 4, 0xFF, 0, 0, 0, 1};
    Bytes bytes = bitmapHeaders(4, 2, 8, 1, 256, static_cast<uint32_t>(runs.size()));
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<unsigned char>(i);
        bytes.insert(bytes.end(), {v, v, v, 0});
    }
    bytes.insert(bytes.end(), runs.begin(), runs.end());
    return bytes;
}
