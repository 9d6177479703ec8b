#pragma once
// Re-opening the problem list panel after a file load, so that it shows the same kind of list
// for the new file. `listKind` records the list last opened: 1 "Areas not displayed",
// 2 "FIXMEs", 3 "Amenities without icons", 4 "Other Nodes", 5 "Highways not displayed",
// 7 "Areas not closed", 8 "Empty Tags", 9 "Notes"; 0 none, 6 never set.

namespace core {
class MapWindow;
}

namespace poi {

// Opens the list `listKind` names again; nothing for 0, 6 or a value outside 1..9.
void reopenProblemList(core::MapWindow& map); // the system's name: chkfrm

} // namespace poi
