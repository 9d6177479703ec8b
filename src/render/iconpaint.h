#pragma once
// Painting a marker's icon into the map picture `p1`, so that the icon is part of the drawn map
// whether or not the marker control itself stays visible. The style number (`markerStyle`) says
// how: 99, and every style whose character occurs in `plainIconCodes`, copies the picture as an
// opaque rectangle; any other style paints through the mask `imin` of the same number, first
// the mask with MERGEPAINT (the icon's opaque pixels turn white, the rest of the map stays),
// then the picture with SRCAND (the picture's white pixels leave the map as it was).

#include <QImage>
#include <string_view>

namespace core {
class MapWindow;
}

namespace render {

class DrawErrors;

inline constexpr int kPlainStyle = 99;

// Whether `style` paints plainly: 99, or the character with the code `style` occurs in
// `plainIconCodes` (exact byte match). A style outside 0..255 has no character and is not plain.
bool isPlainStyle(std::string_view plainIconCodes, int style);

// Paints `picture` on p1 with its top-left corner at (left, top), p1's units. A plain style is
// written back as 99. A style without a mask picture is painted plainly (the variable keeps its
// number), so a missing mask never leaves a hole in the map. A fault of the painting (a place
// beyond the device's coordinates) takes the drawing's error path.
void ploticon(core::MapWindow& map, const QImage& picture, int& style, double left, double top,
              DrawErrors& errors);

} // namespace render
