#pragma once
// Hidden pictures the program copies from: the pattern tiles `picTile` (1..29; 0 is a scratch
// tile), the mask pictures `imin` (by style number), the marker pictures `orang`, `que` and
// `Image5`, and the pointer pictures `Image7` (dragging) and `Image8` (drawing a route). They are
// image controls: the program only reads and sets their pictures.

#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"

namespace core {

inline constexpr int kPatternTiles = 29;

struct PictureStores {
    explicit PictureStores(platform::Form& form);

    platform::ControlArray<platform::ImageControl> picTile{"picTile"};
    platform::ControlArray<platform::ImageControl> imin{"imin"};
    platform::ImageControl orang;
    platform::ImageControl que;
    platform::ImageControl Image5;
    platform::ImageControl Image7;
    platform::ImageControl Image8;
};

} // namespace core
