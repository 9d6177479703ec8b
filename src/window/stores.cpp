#include "window/stores.h"

#include "platform/artwork.h"

#include <string>

namespace core {
namespace {

// The mask array holds an element for every style that is painted through a mask, and the four
// (110, 111, 114, 115) that no style selects.
constexpr int kLastMask = 122;

void hiddenPicture(platform::ImageControl& image, const std::string& name) {
    image.setVisible(false);
    image.setArtwork(name);
}

} // namespace

PictureStores::PictureStores(platform::Form& form)
    : orang(form, "orang"), que(form, "que"), Image5(form, "Image5"), Image7(form, "Image7"),
      Image8(form, "Image8") {
    for (int i = 0; i <= kPatternTiles; ++i) {
        platform::ImageControl& tile = picTile.addDesignElement(i, form);
        tile.setVisible(false);
        if (i > 0) tile.setArtwork("tiles/" + std::to_string(i));
    }
    for (int i = 0; i <= kLastMask; ++i) {
        const std::string source = platform::iminSource(i);
        const bool unselected = i == 110 || i == 111 || i == 114 || i == 115;
        if (source.empty() && !unselected) continue;
        platform::ImageControl& element = imin.addDesignElement(i, form);
        element.setVisible(false);
        if (source.empty())
            element.setPicture(QImage());
        else
            element.setArtwork(source, platform::ArtLayer::mask);
    }
    hiddenPicture(orang, "markers/orang");
    hiddenPicture(que, "markers/que");
    hiddenPicture(Image5, "markers/Image5");
    hiddenPicture(Image7, "cursors/Image7");
    hiddenPicture(Image8, "cursors/Image8");
}

} // namespace core
