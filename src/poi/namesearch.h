#pragma once
// Finding points of interest, streets and area labels by name, and the name search frame
// `Frame10` around it (the box Text3(1), the button Command1 and the result list List3(1)).
//
// `srchpois` is the engine of both searches. It reads the project file again, matches the node
// names (and the POI codes of a category), the street names and the area labels, loads an arrow
// `pointr` at each hit when asked, lists the hits in List3(listIndex) while that list has no
// selection (a new search), and then redraws: a new search at the zoom it found, a repeated one
// (a listed hit double clicked, which stays selected) centred on its last arrow at zoom 6.

#include <string_view>

namespace core {
class MapWindow;
}

namespace poi {

// The zoom at which a search places its arrows, and at which a repeated search shows its hit.
inline constexpr float kSearchZoom = 6;

// searchText in lower case (searchKey); codeList "" for a name search, else three-character POI
// codes joined by ","; listIndex 0 (category search) or 1 (name search). Returns at once while
// the program is busy or when no project file is named; an empty name search shows "no". The
// search holds drawBusy while it runs. A project file it cannot read shows one message and
// ends the search with the arrows and lists as they were.
//
// Hits: a node whose name holds the text, not only inside a word (nodeNameMayMatch), once
// abbreviated by fnnam2 (the abbreviation is kept in nodeName); listed only for a text of more
// than two characters and no codes. With codes only the nodes of those codes, all of them for
// an empty text, each listed by name. A street of the street-name list (name search only) whose
// name starts with the text, holds it after a blank, or equals it, marked at its name node (no
// arrow when that is no node; an entry that is no way is passed over). An area label whose
// caption equals the text, when the file has any label ("$" then follows the node hits in
// pointrList). No codes and no text (the category "All POIs") lists every named node and places
// no arrow.
void srchpois(core::MapWindow& map, std::string_view searchText, std::string_view codeList, int listIndex,
              bool placeArrows);

// The name search with the text of Text3(1): List3(1) is emptied unless a hit is selected.
void gosearch(core::MapWindow& map, bool placeArrows);

// "Search": no hit selected, the hits listed without arrows.
void Command1_Click(core::MapWindow& map);

// Enter in either search box runs Command1_Click.
void Text3_KeyPress(core::MapWindow& map, int keyAscii);

// A listed hit double clicked: its text into Text3(index), then the search repeated with arrows
// (index 1 by name, index 0 by category).
void List3_DblClick(core::MapWindow& map, int index);

// Opens the name search frame with an empty result list. Not while a file loads.
void Image9_Click(core::MapWindow& map);

} // namespace poi
