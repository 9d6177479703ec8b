#pragma once
// The Internet menu `mint`: "OpenStreetMap" opens the OpenStreetMap home page in the desktop's
// browser; "Google Map" writes `googmap.html`, a one-line page embedding a web map centred on the
// current view, and shows it in the window `google` (or, where no web view can start, in the
// desktop's browser).

#include "basic/numbers.h"

#include <string>

namespace core {
class MapWindow;
struct Global;
} // namespace core

namespace routes {

struct WebMapCentre {
    basic::Single lat = 0;
    basic::Single lon = 0;
};

// The map point at the middle of the viewport's part the legend panel leaves uncovered, in
// degrees: that picture point taken back through the view transform. (0, 0) while the view has
// no zoom or the file no scale.
WebMapCentre webMapCentre(const core::MapWindow& map);

// The page: every attribute quoted with `quote`, an iframe of widthPx x heightPx at zoom 13 on
// the centre, the coordinates in ".0000" form. Without the line end the file writer adds.
std::string webMapPage(char quote, int widthPx, int heightPx, WebMapCentre centre);

void mint_Click(core::MapWindow& map, int index);
void connectInternetMenu(core::MapWindow& map);

} // namespace routes
