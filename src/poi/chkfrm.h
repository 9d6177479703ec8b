#pragma once
// Re-opening the problem list panel after a file load, so that it shows the same kind of list
// for the new file. `listKind` records the list last opened: 1 "Areas not displayed",
// 2 "FIXMEs", 3 "Amenities without icons", 4 "Other Nodes", 5 "Highways not displayed",
// 7 "Areas not closed", 8 "Empty Tags", 9 "Notes"; 0 none, 6 never set.
//
// Each list's opener belongs to the panel that shows it, so the panel registers it when it is
// built; until then that kind re-opens nothing.

#include "basic/numbers.h"

namespace core {
class MapWindow;
}

namespace poi {

using PanelOpener = void (*)(core::MapWindow& map);

// Records the opener of list `kind` (one of the kinds above); nullptr removes it. Any other
// kind is a programming error and throws std::invalid_argument.
void registerPanelOpener(basic::Integer kind, PanelOpener opener);

// Runs the opener registered for `listKind`; nothing for 0, 6, a value outside 1..9 or a kind
// whose opener is not registered.
void chkfrm(core::MapWindow& map);

} // namespace poi
