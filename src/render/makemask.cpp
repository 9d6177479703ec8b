#include "render/makemask.h"

#include "platform/lightweight_image.h"
#include "platform/pixels.h"

#include <QImage>

namespace render {

void makemask(const platform::ImageControl& source, platform::ImageControl& target) {
    platform::PixelArray pixels;
    int depth = 0;
    platform::getBitmapPixels(source.picture(), pixels, depth);
    // The corner pixel may belong to the tile's border; (1, 1) is its background.
    const platform::PixelTriple key = pixels.at(1, 1);
    constexpr platform::PixelTriple white{255, 255, 255};
    constexpr platform::PixelTriple black{0, 0, 0};
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x)
            pixels.at(x, y) = pixels.at(x, y) == key ? white : black;
    }
    QImage mask(pixels.width(), pixels.height(), QImage::Format_RGB32);
    platform::setBitmapPixels(mask, depth, pixels);
    target.setPicture(std::move(mask));
}

} // namespace render
