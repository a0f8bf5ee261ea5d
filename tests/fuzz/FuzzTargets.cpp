#include "FuzzTargets.h"

#include "display/PixelScaling.h"
#include "errors/BasicError.h"
#include "images/BmpImage.h"
#include "images/GraphicsError.h"
#include "images/JpegImage.h"
#include "installer/DefaultUninstallerScript.h"
#include "options/Configuration.h"
#include "options/IDisplayDevice.h"
#include "persistence/InputStream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace FuzzTargets {

namespace {

// Saving asks the display for its modes; a fixed list makes every run the same.
class FixedModes final : public IDisplayDevice {
public:
    void enumerateModes(RefreshRates, const ModeVisitor& visit) override {
        for (const Mode& mode : modes) {
            visit(mode);
        }
    }
    static constexpr Mode modes[] = {
        {8, 640, 480, 0},    {16, 800, 600, 0},   {32, 1024, 768, 0},
        {32, 1280, 1024, 0}, {32, 1920, 1080, 0}, {24, 1600, 1200, 0},
    };
};

void useFixedModes() {
    static FixedModes device;
    setCurrentDisplayDevice(&device);
}

std::string_view asText(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace

int configurationValue(const uint8_t* data, std::size_t size) {
    useFixedModes();
    std::unique_ptr<ScreenSaverOptionsStorage> first;
    try {
        first = Configuration::optionsFromValue(asText(data, size));
    } catch (const BasicError&) {
        return 0;
    }
    if (!first) {
        return 0;
    }
    const std::string once = Configuration::valueOf(*first);
    // What we stored ourselves must read back without an error, and store the same bytes.
    const auto second = Configuration::optionsFromValue(once);
    if (!second || Configuration::valueOf(*second) != once) {
        std::abort();
    }
    return 0;
}

int objectStream(const uint8_t* data, std::size_t size) {
    useFixedModes();
    std::istringstream bytes{std::string(asText(data, size))};
    Persistence::InputStream stream(bytes);
    std::vector<Persistence::ReadObjectResult> objects;
    try {
        while (bytes.peek() != std::char_traits<char>::eof()) {
            objects.push_back(stream.readObject());
        }
    } catch (const BasicError&) {
    }
    return 0;
}

int bmpPicture(const uint8_t* data, std::size_t size) {
    try {
        BMP::Image::fromMemory({data, size});
    } catch (const Graphics::Error&) {
    }
    return 0;
}

int jpegPicture(const uint8_t* data, std::size_t size) {
    try {
        JPEG::Image::fromMemory({data, size});
    } catch (const Graphics::Error&) {
    }
    return 0;
}

int pictureScaling(const uint8_t* data, std::size_t size) {
    // Six bytes choose the pictures; at least one more gives their pixels.
    if (size < 7) {
        return 0;
    }
    using Pixels::PixelFormat;
    static constexpr PixelFormat formats[] = {PixelFormat::xrgb8888(), PixelFormat::rgb888(),
                                              PixelFormat::rgb565()};
    // Up to 4096 pixels wide and 64 high, so that very wide and 1 x 1 pictures both occur.
    const auto side = [&](std::size_t index, int32_t limit) {
        return 1 + static_cast<int32_t>(data[index] | data[index + 1] << 8) % limit;
    };
    const int32_t fromWidth = side(0, 4096);
    const int32_t fromHeight = 1 + data[2] % 64;
    const int32_t toWidth = side(3, 4096);
    const int32_t toHeight = 1 + (data[5] >> 2) % 64;
    const PixelFormat from = formats[data[2] / 64 % 3];
    const PixelFormat to = formats[data[5] % 3];
    const auto pitchOf = [](int32_t width, const PixelFormat& format) {
        return (width * format.bytesPerPixel() + 3) & ~3;
    };
    std::vector<uint8_t> source(static_cast<std::size_t>(pitchOf(fromWidth, from)) * fromHeight);
    // The pixel bytes repeated over the picture, doubling what is filled with each copy: a loop
    // per byte would take most of the run in the fuzzer's own comparison hooks.
    std::size_t filled = std::min(size - 6, source.size());
    std::memcpy(source.data(), data + 6, filled);
    while (filled < source.size()) {
        const std::size_t more = std::min(filled, source.size() - filled);
        std::memcpy(source.data() + filled, source.data(), more);
        filled += more;
    }
    std::vector<uint8_t> target(static_cast<std::size_t>(pitchOf(toWidth, to)) * toHeight);
    Pixels::scalePixels({source.data(), fromWidth, fromHeight, pitchOf(fromWidth, from), from},
                        {target.data(), toWidth, toHeight, pitchOf(toWidth, to), to});
    return 0;
}

int uninstallScript(const uint8_t* data, std::size_t size) {
    std::unique_ptr<Installer::DefaultUninstallerScript> script;
    try {
        std::istringstream bytes{std::string(asText(data, size))};
        script = Installer::DefaultUninstallerScript::readFrom(bytes);
    } catch (const BasicError&) {
        return 0;
    }
    std::ostringstream once;
    script->writeTo(once);
    std::istringstream again{once.str()};
    const auto second = Installer::DefaultUninstallerScript::readFrom(again);
    std::ostringstream twice;
    second->writeTo(twice);
    if (!(*second == *script) || twice.str() != once.str()) {
        std::abort();
    }
    return 0;
}

} // namespace FuzzTargets
