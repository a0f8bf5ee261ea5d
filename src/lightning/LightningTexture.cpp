#include "lightning/LightningTexture.h"

#include "images/BmpImage.h"

#include <string>

AlphaTexture loadLightningTexture() {
    const auto image = BMP::Image::fromResource("IDB_LIGHTNING_TEXTURE");
    const Graphics::Bitmap& bitmap = image->bitmap();
    std::vector<uint8_t> alpha;
    alpha.reserve(static_cast<std::size_t>(bitmap.width()) *
                  static_cast<std::size_t>(bitmap.height()));
    for (int32_t y = 0; y < bitmap.height(); ++y) {
        // Grey palette: blue, green and red all hold the stored value.
        const uint8_t* row = bitmap.row(y);
        for (int32_t x = 0; x < bitmap.width(); ++x) {
            alpha.push_back(row[x * 3]);
        }
    }
    return AlphaTexture(bitmap.width(), bitmap.height(), std::move(alpha));
}
