#include "images/BmpLayout.h"

#include "images/Bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace BMP {
namespace {

constexpr int64_t fileHeaderBytes = 14;
constexpr int64_t coreHeaderBytes = 12;
constexpr int64_t infoHeaderBytes = 40;
constexpr std::size_t headerBytesChecked = 34;

enum Compression : int64_t { rgb = 0, rle8 = 1, rle4 = 2, bitFields = 3, alphaBitFields = 6 };

int64_t littleEndian(const unsigned char* bytes, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    // Sign-extended: heights are negative for pictures stored top-down.
    const int shift = 64 - 8 * count;
    return static_cast<int64_t>(value << shift) >> shift;
}

// What the headers say, widened so that no sum below can overflow.
struct Header {
    int64_t bytes = 0;
    bool core = false; // the older, shorter header
    int64_t width = 0;
    int64_t height = 0;
    int64_t bitsPerPixel = 0;
    int64_t compression = rgb;
    int64_t pixelOffset = 0;
};

// Needs headerBytesChecked bytes, or 26 for the core header.
Header headerOf(const unsigned char* start) {
    Header header;
    header.bytes = static_cast<uint32_t>(littleEndian(start + 14, 4));
    header.core = header.bytes == coreHeaderBytes;
    header.pixelOffset = static_cast<uint32_t>(littleEndian(start + 10, 4));
    // The older header stores its sizes without a sign, and readers take them so.
    const auto withoutSign = [](int64_t value) { return value & 0xFFFF; };
    header.width =
        header.core ? withoutSign(littleEndian(start + 18, 2)) : littleEndian(start + 18, 4);
    header.height =
        header.core ? withoutSign(littleEndian(start + 20, 2)) : littleEndian(start + 22, 4);
    header.bitsPerPixel = withoutSign(littleEndian(start + (header.core ? 24 : 28), 2));
    header.compression = header.core ? rgb : littleEndian(start + 30, 4);
    return header;
}

std::string sizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(std::abs(height)) + " pixels";
}

bool isPictureDepth(int64_t bitsPerPixel) {
    constexpr int64_t depths[] = {1, 2, 4, 8, 15, 16, 24, 32};
    return std::find(std::begin(depths), std::end(depths), bitsPerPixel) != std::end(depths);
}

// Stored without compression, row by row, each row padded to 4 bytes.
bool storedUncompressed(const Header& header) {
    return header.core || header.compression == rgb || header.compression == bitFields ||
           header.compression == alphaBitFields;
}

int64_t rowBytes(const Header& header) {
    return (header.width * header.bitsPerPixel + 31) / 32 * 4;
}

// The depths the system's reader knows with each compression; run-length pictures are stored
// bottom-up only.
bool isSystemDepth(const Header& header) {
    switch (header.compression) {
    case rgb:
        return header.bitsPerPixel == 1 || header.bitsPerPixel == 4 || header.bitsPerPixel == 8 ||
               header.bitsPerPixel == 16 || header.bitsPerPixel == 24 || header.bitsPerPixel == 32;
    case rle8:
        return header.bitsPerPixel == 8 && header.height > 0;
    case rle4:
        return header.bitsPerPixel == 4 && header.height > 0;
    case bitFields:
        return header.bitsPerPixel == 16 || header.bitsPerPixel == 32;
    default:
        return false;
    }
}

// Where the palette ends: the masks of a plain info header come first, and an entry of the core
// header's palette has three bytes instead of four.
std::string paletteFault(std::span<const unsigned char> file, const Header& header,
                         int64_t& paletteEnd) {
    const int64_t fullPalette = header.bitsPerPixel <= 8 ? int64_t{1} << header.bitsPerPixel : 0;
    const int64_t coloursUsed =
        header.core ? 0 : static_cast<uint32_t>(littleEndian(file.data() + 46, 4));
    if (header.bitsPerPixel <= 8 && coloursUsed > fullPalette) {
        return "a palette of " + std::to_string(coloursUsed) + " colours is no picture's";
    }
    const int64_t colours = coloursUsed != 0 ? coloursUsed : fullPalette;
    const int64_t masks =
        header.compression == bitFields && header.bytes == infoHeaderBytes ? 12 : 0;
    paletteEnd = fileHeaderBytes + header.bytes + masks + colours * (header.core ? 3 : 4);
    return paletteEnd <= static_cast<int64_t>(file.size()) ? std::string()
                                                           : "the file ends inside its palette";
}

} // namespace

std::string impossiblePictureFault(std::span<const unsigned char> start, int64_t fileBytes) {
    if (start.size() < 18 || start[0] != 'B' || start[1] != 'M') {
        return {};
    }
    // A reader takes what lies past the end of a cut header for zeros.
    const int64_t headerBytes = static_cast<uint32_t>(littleEndian(start.data() + 14, 4));
    if (fileBytes >= 0 && fileHeaderBytes + headerBytes > fileBytes) {
        return "the file ends inside its header";
    }
    if (start.size() < headerBytesChecked &&
        !(headerBytes == coreHeaderBytes && start.size() >= 26)) {
        return {};
    }
    const Header header = headerOf(start.data());
    const auto pixels =
        static_cast<double>(header.width) * static_cast<double>(std::abs(header.height));
    if (pixels * 4 > static_cast<double>(Graphics::Bitmap::largestByteCount())) {
        return "a picture of " + sizeText(header.width, header.height) + " is too large";
    }
    // A reader would size its rows from any depth a header names.
    if (!isPictureDepth(header.bitsPerPixel)) {
        return std::to_string(header.bitsPerPixel) + " bits per pixel is no depth of a picture";
    }
    if (header.width <= 0 || header.height == 0 || !storedUncompressed(header)) {
        return {};
    }
    // Short of the last row's padding, at least: what a reader needs can only be more.
    const int64_t lastRowBytes = (header.width * header.bitsPerPixel + 7) / 8;
    const int64_t needed =
        header.pixelOffset + rowBytes(header) * (std::abs(header.height) - 1) + lastRowBytes;
    if (fileBytes >= 0 && needed > fileBytes) {
        return "the file ends before the " + sizeText(header.width, header.height) +
               " its header names";
    }
    return {};
}

std::string partOutsideFileFault(std::span<const unsigned char> file) {
    const auto fileBytes = static_cast<int64_t>(file.size());
    if (file.size() < 18 || file[0] != 'B' || file[1] != 'M') {
        return "the data is no Windows bitmap";
    }
    const int64_t headerBytes = static_cast<uint32_t>(littleEndian(file.data() + 14, 4));
    if (fileHeaderBytes + headerBytes > fileBytes) {
        return "the file ends inside its header";
    }
    if (headerBytes != coreHeaderBytes && headerBytes < infoHeaderBytes) {
        return "a header of " + std::to_string(headerBytes) + " bytes is no bitmap's";
    }
    if (std::string fault = impossiblePictureFault(file, fileBytes); !fault.empty()) {
        return fault;
    }
    const Header header = headerOf(file.data());
    if (header.width <= 0 || header.height == 0) {
        return "a picture of " + sizeText(header.width, header.height) + " cannot be read";
    }
    if (!isSystemDepth(header)) {
        return "pictures of " + std::to_string(header.bitsPerPixel) +
               " bits per pixel with compression " + std::to_string(header.compression) +
               " cannot be read";
    }
    int64_t paletteEnd = 0;
    if (std::string fault = paletteFault(file, header, paletteEnd); !fault.empty()) {
        return fault;
    }
    const bool runLength = header.compression == rle8 || header.compression == rle4;
    const int64_t pixelBytes = runLength ? static_cast<uint32_t>(littleEndian(file.data() + 34, 4))
                                         : rowBytes(header) * std::abs(header.height);
    if (header.pixelOffset < paletteEnd || pixelBytes == 0 ||
        header.pixelOffset + pixelBytes > fileBytes) {
        return "the file ends before the " + sizeText(header.width, header.height) +
               " its header names";
    }
    return {};
}

} // namespace BMP
