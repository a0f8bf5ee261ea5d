// Writes the seed inputs of the fuzz corpora from our own files: the configuration value in
// every version the program has stored, the options' object stream, small pictures of every
// kind the loaders read, and a few scaling requests.
//   fuzz-seeds CORPUS_DIR
#include "images/ImageTestFiles.h"
#include "installer/DefaultUninstallerScript.h"
#include "installer/RegistryRoots.h"
#include "installer/RemoveFileAction.h"
#include "installer/RemoveFolderAction.h"
#include "installer/RemoveRegistryKeyValueAction.h"
#include "installer/UnregisterServerAction.h"
#include "options/Configuration.h"

#include <SDL.h>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeFile(const fs::path& file, const Bytes& bytes) {
    writeFile(file, std::string(bytes.begin(), bytes.end()));
}

std::string littleEndian(uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF),
            static_cast<char>(value >> 16 & 0xFF), static_cast<char>(value >> 24)};
}

// The outer value of version 1280 around a record of every version the options have had.
void writeConfigurations(const fs::path& corpus) {
    ScreenSaverOptionsStorage options;
    options.setDensity(40);
    for (uint32_t version = 256; version <= ScreenSaverOptionsStorage::currentVersion;
         version += 256) {
        std::ostringstream record;
        options.write(record, version);
        const std::string value = littleEndian(Configuration::currentVersion) + record.str();
        writeFile(corpus / "configuration" / ("record-" + std::to_string(version)), value);
        writeFile(corpus / "stream" / ("record-" + std::to_string(version)), record.str());
    }
    ScreenSaverOptionsStorage defaults;
    writeFile(corpus / "configuration" / "default", Configuration::valueOf(defaults));
}

// A script with one action of every class, as an install writes it, and an empty one.
void writeUninstallScripts(const fs::path& corpus) {
    using namespace Installer;
    ActionList actions;
    actions.push_back(std::make_unique<RemoveFileAction>("/usr/local/bin/pluvo"));
    actions.push_back(std::make_unique<RemoveFolderAction>("/usr/local/share/pluvo"));
    actions.push_back(std::make_unique<RemoveRegistryKeyValueAction>(
        RegistryRoots::currentUser, "Software\\Quorvel\\Pluvo Screen Saver", "Configuration"));
    actions.push_back(std::make_unique<RemoveRegistryKeyAction>(
        RegistryRoots::localMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
    actions.push_back(std::make_unique<UnregisterServerAction>("/usr/lib/x.so", false));
    std::ostringstream full;
    DefaultUninstallerScript("Pluvo", "2.2.17", std::move(actions)).writeTo(full);
    writeFile(corpus / "script" / "every-action", full.str());
    std::ostringstream empty;
    DefaultUninstallerScript("", "", {}).writeTo(empty);
    writeFile(corpus / "script" / "no-actions", empty.str());
}

Bytes savedBitmap(SDL_Surface* surface) {
    Bytes bytes(4096 + static_cast<std::size_t>(surface->pitch) * surface->h);
    SDL_RWops* out = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_SaveBMP_RW(surface, out, 0);
    bytes.resize(static_cast<std::size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(surface);
    return bytes;
}

void writePictures(const fs::path& corpus) {
    const auto gradient = [](int x, int y) {
        return Rgb{static_cast<uint8_t>(x * 16), static_cast<uint8_t>(y * 16), 128};
    };
    writeFile(corpus / "jpeg" / "colour-16x16", encodeJpeg(16, 16, gradient));
    writeFile(corpus / "jpeg" / "grey-9x5", encodeJpeg(9, 5, gradient, true));
    writeFile(corpus / "jpeg" / "one-pixel", encodeJpeg(1, 1, gradient));
    writeFile(corpus / "bmp" / "rgb-5x3", bitmap24(5, 3, std::vector<Rgb>(15, Rgb{10, 200, 30})));
    for (const uint32_t format :
         {SDL_PIXELFORMAT_INDEX8, SDL_PIXELFORMAT_RGB565, SDL_PIXELFORMAT_ARGB8888}) {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 7, 4, 0, format);
        SDL_FillRect(surface, nullptr, 0x5A);
        writeFile(corpus / "bmp" / ("sdl-" + std::string(SDL_GetPixelFormatName(format))),
                  savedBitmap(surface));
    }
}

void writeScalingRequests(const fs::path& corpus) {
    const std::string pixels = "\x10\x80\xF0\x33\x00\xFF\x7E\x01";
    // widths (two bytes), height and source format, width, height and target format
    writeFile(corpus / "scaling" / "one-pixel",
              std::string("\x00\x00\x00\x00\x00\x00", 6) + pixels);
    writeFile(corpus / "scaling" / "shrink", std::string("\x80\x07\x2F\x7F\x02\x41", 6) + pixels);
    writeFile(corpus / "scaling" / "enlarge", std::string("\x09\x00\x05\xFF\x0F\x3E", 6) + pixels);
    writeFile(corpus / "scaling" / "very-wide",
              std::string("\xFF\x0F\x00\x01\x00\x02", 6) + pixels);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz-seeds CORPUS_DIR\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    writeConfigurations(corpus);
    writePictures(corpus);
    writeScalingRequests(corpus);
    writeUninstallScripts(corpus);
    return 0;
}
