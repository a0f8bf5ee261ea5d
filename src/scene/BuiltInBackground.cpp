#include "scene/BuiltInBackground.h"

#include "display/PixelScaling.h"
#include "images/JpegImage.h"
#include "resources/EmbeddedResources.h"

namespace Scene {

namespace {

Pixels::PixelView viewOf(Graphics::Bitmap& picture) {
    return {picture.pixels(), picture.width(), picture.height(), picture.pitch(),
            Pixels::PixelFormat::rgb888()};
}

} // namespace

Graphics::Bitmap builtInBackground(int32_t width, int32_t height) {
    const auto decoded = JPEG::Image::fromMemory(Resources::findResource("RCDATA", "BACKDROP"));
    // The scaler only reads its source; its interface simply has no const pictures.
    auto& source = const_cast<Graphics::Bitmap&>(decoded->bitmap());
    Graphics::Bitmap picture(width, height);
    Pixels::scalePixels(viewOf(source), viewOf(picture));
    return picture;
}

} // namespace Scene
