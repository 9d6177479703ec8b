#pragma once
// The problem list panel `frame4`: each problem button opens it with one list of the loaded
// file, its title in Label8 and an explanation in Label11, and records the list in `listKind`
// so that the panel shows the same kind of list after the next file load (reopenProblemList).

#include "basic/numbers.h"

namespace core {
class MapWindow;
}

namespace poi {

// The lists, numbered as `listKind` records them; "Highways not joined" records nothing.
enum class ProblemList : basic::Integer {
    HighwaysNotJoined = 0,
    AreasNotDisplayed = 1,
    Fixmes = 2,
    AmenitiesWithoutIcons = 3,
    OtherNodes = 4,
    HighwaysNotDisplayed = 5,
    AreasNotClosed = 7,
    EmptyTags = 8,
    Notes = 9,
};

// Opens the panel on `list`: title and explanation, the source list prepared (the prepared text
// is stored back; "Empty Tags" is rebuilt from its markers), listKind recorded, the entries
// filled, the panel placed beside its button and brought to the front. Nothing while the
// program is busy.
void openProblemList(core::MapWindow& map, ProblemList list);

// The problem buttons of the left strip.
void Image2_Click(core::MapWindow& map);  // "Areas not displayed"
void Image10_Click(core::MapWindow& map); // "FIXMEs"
void Image11_Click(core::MapWindow& map); // "Notes"
void shape12_Click(core::MapWindow& map); // "Other Nodes"
void chaina_Click(core::MapWindow& map);  // "Areas not closed"
// Element 1 opens "Amenities without icons"; any other element is an icon and shows its bubble.
void amen_MouseDown(core::MapWindow& map, int index);

// The close labels: 0 hides the problem panel, 5 the category search, 6 the name search.
void Label1_Click(core::MapWindow& map, int index);

// Connects the buttons, the problem markers, the panel's list and close labels to their
// handlers.
void connectProblemPanel(core::MapWindow& map);

} // namespace poi
