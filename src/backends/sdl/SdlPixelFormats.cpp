#include "backends/sdl/SdlPixelFormats.h"

#include <SDL.h>

namespace Sdl {

Pixels::PixelFormat pixelFormatFromSdl(uint32_t sdlFormat) {
    int bits = 0;
    Uint32 red = 0;
    Uint32 green = 0;
    Uint32 blue = 0;
    Uint32 alpha = 0;
    if (SDL_PixelFormatEnumToMasks(sdlFormat, &bits, &red, &green, &blue, &alpha) == SDL_FALSE) {
        return {};
    }
    const int bytes = SDL_BYTESPERPIXEL(sdlFormat);
    const int bitsInMemory = bytes >= 2 ? bytes * 8 : bits;
    return {bitsInMemory, red, green, blue};
}

uint32_t sdlFormatFor(const Pixels::PixelFormat& format) {
    return SDL_MasksToPixelFormatEnum(format.bitsPerPixel, format.redMask, format.greenMask,
                                      format.blueMask, 0);
}

} // namespace Sdl
