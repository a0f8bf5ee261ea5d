// Writes the bolt's texture: a 256 x 64 grey bitmap, run-length encoded (RLE8), whose values the
// view uses as alpha. Rows run across the stroke: a bright core in rows 26..37 with a soft glow
// fading out towards rows 0 and 63. Columns run along it: the body pattern from column 0, and
// from column 227 on a rounded tip that both caps end in (the end cap starts at column 214, the
// start cap at 227, so both join the body at full strength).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int width = 256;
constexpr int height = 64;
constexpr double centreRow = 32.0;
constexpr double coreHalfHeight = 6.0;
constexpr double glowReach = 26.0;
constexpr int tipColumn = 227;
constexpr int bodyColumns = 214;

// Brightness at a distance (in texels) from the stroke's centre line.
double profile(double distance) {
    if (distance <= 4.5) {
        return 255.0;
    }
    if (distance <= coreHalfHeight) {
        return 255.0 - (distance - 4.5) / 1.5 * 65.0;
    }
    const double outside = std::min((distance - coreHalfHeight) / glowReach, 1.0);
    return 190.0 * std::pow(1.0 - outside, 2.5);
}

// A slow flicker along the body, the same in every run of the program.
double bodyVariation(int column) {
    const double phase = column * 2.0 * 3.14159265358979323846 / bodyColumns;
    return 0.92 + 0.05 * std::sin(3.0 * phase) + 0.03 * std::sin(7.0 * phase + 1.0);
}

uint8_t texel(int column, int row) {
    const double across = std::fabs(row + 0.5 - centreRow);
    const double along = column >= tipColumn ? column - tipColumn + 0.5 : 0.0;
    double level = profile(std::hypot(across, along));
    if (column < bodyColumns) {
        level *= bodyVariation(column);
    }
    return static_cast<uint8_t>(std::lround(std::clamp(level, 0.0, 255.0)));
}

void put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

int runLengthAt(const std::vector<uint8_t>& row, int x) {
    int run = 1;
    while (x + run < width && run < 255 && row[x + run] == row[x]) {
        ++run;
    }
    return run;
}

// Runs of three or more equal values are encoded; other stretches are stored literally
// (absolute mode, at least three values, padded to an even count).
void encodeRow(const std::vector<uint8_t>& row, std::vector<uint8_t>& out) {
    int x = 0;
    while (x < width) {
        const int run = runLengthAt(row, x);
        if (run >= 3) {
            out.insert(out.end(), {static_cast<uint8_t>(run), row[x]});
            x += run;
            continue;
        }
        int literal = 0;
        while (x + literal < width && literal < 255 && runLengthAt(row, x + literal) < 3) {
            ++literal;
        }
        if (literal < 3) {
            for (int i = 0; i < literal; ++i) {
                out.insert(out.end(), {1, row[x + i]});
            }
        } else {
            out.insert(out.end(), {0, static_cast<uint8_t>(literal)});
            out.insert(out.end(), row.begin() + x, row.begin() + x + literal);
            if (literal % 2 != 0) {
                out.push_back(0);
            }
        }
        x += literal;
    }
    out.insert(out.end(), {0, 0});
}

std::vector<uint8_t> encodedPixels() {
    std::vector<uint8_t> out;
    // Bottom row first.
    for (int row = height - 1; row >= 0; --row) {
        std::vector<uint8_t> values(width);
        for (int column = 0; column < width; ++column) {
            values[static_cast<std::size_t>(column)] = texel(column, row);
        }
        encodeRow(values, out);
    }
    out.insert(out.end(), {0, 1});
    return out;
}

std::vector<uint8_t> bitmapFile() {
    const std::vector<uint8_t> pixels = encodedPixels();
    constexpr uint32_t headerBytes = 14 + 40 + 256 * 4;
    std::vector<uint8_t> out;
    out.insert(out.end(), {'B', 'M'});
    put32(out, headerBytes + static_cast<uint32_t>(pixels.size()));
    put32(out, 0);
    put32(out, headerBytes);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, 8);
    put32(out, 1); // BI_RLE8
    put32(out, static_cast<uint32_t>(pixels.size()));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 256);
    put32(out, 0);
    for (int i = 0; i < 256; ++i) {
        const auto grey = static_cast<uint8_t>(i);
        out.insert(out.end(), {grey, grey, grey, 0});
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    const std::vector<uint8_t> bytes = bitmapFile();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
