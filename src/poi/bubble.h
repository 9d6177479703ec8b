#pragma once
// The bubble of a POI icon: a click on an icon on the map shows its description in the small
// picture `bub` (holding the label `bubtxt`) centred above the icon; a click on the bubble hides
// it, and every redraw hides it too.

#include <string>
#include <string_view>

namespace core {
class MapWindow;
}

namespace platform {
class Control;
}

namespace poi {

// What the bubble shows for an icon's Tag: the text after the first "$" (if any), then after the
// first "#" (if any), with one blank before and after it.
std::string bubbleText(std::string_view tag);

// Shows the bubble of `icon`; nothing when its text is only blanks (an earlier bubble stays
// where it was) or while the program is busy.
void bubl(core::MapWindow& map, const platform::Control& icon);

} // namespace poi
