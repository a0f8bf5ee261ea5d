#include "rain-snapshot/SnapshotOptions.h"

#include <cstdio>
#include <stdexcept>

const char* const snapshotUsage =
    "usage: rain-snapshot [--picture FILE] [--output FILE.png] [--size WIDTHxHEIGHT]\n"
    "                     [--bpp 8|16|24|32] [--seed N] [--steps N] [--bolt] [--flash]\n"
    "Runs the rain over a picture (PNG or JPEG, or a built-in gradient) and writes the\n"
    "composed frame as a PNG. --bolt draws one lightning bolt over it as the saver does;\n"
    "--flash draws the bolt with its flash lit.\n";

namespace {

int32_t parseNumber(const std::string& text, const char* what) {
    std::size_t used = 0;
    long value = -1;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value < 0 || value > 1000000) {
        throw std::invalid_argument(std::string("bad ") + what + ": " + text);
    }
    return static_cast<int32_t>(value);
}

void parseSize(const std::string& text, SnapshotOptions& options) {
    const std::size_t cross = text.find('x');
    if (cross == std::string::npos) {
        throw std::invalid_argument("bad size: " + text);
    }
    options.width = parseNumber(text.substr(0, cross), "width");
    options.height = parseNumber(text.substr(cross + 1), "height");
    if (options.width < 16 || options.height < 16) {
        throw std::invalid_argument("size must be at least 16x16: " + text);
    }
}

} // namespace

std::optional<SnapshotOptions> parseSnapshotOptions(const std::vector<std::string>& arguments) {
    SnapshotOptions options;
    try {
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            const std::string& flag = arguments[i];
            if (flag == "--bolt") {
                options.bolt = true;
                continue;
            }
            if (flag == "--flash") {
                options.flash = true;
                continue;
            }
            if (i + 1 >= arguments.size()) {
                throw std::invalid_argument("missing value after " + flag);
            }
            const std::string& value = arguments[++i];
            if (flag == "--picture") {
                options.picture = value;
            } else if (flag == "--output") {
                options.output = value;
            } else if (flag == "--size") {
                parseSize(value, options);
            } else if (flag == "--bpp") {
                options.bitsPerPixel = parseNumber(value, "bits per pixel");
                if (options.bitsPerPixel != 8 && options.bitsPerPixel != 16 &&
                    options.bitsPerPixel != 24 && options.bitsPerPixel != 32) {
                    throw std::invalid_argument("bits per pixel must be 8, 16, 24 or 32");
                }
            } else if (flag == "--seed") {
                options.seed = static_cast<uint32_t>(parseNumber(value, "seed"));
            } else if (flag == "--steps") {
                options.steps = parseNumber(value, "step count");
            } else {
                throw std::invalid_argument("unknown option " + flag);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "rain-snapshot: %s\n%s", error.what(), snapshotUsage);
        return std::nullopt;
    }
    return options;
}
