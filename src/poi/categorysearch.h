#pragma once
// The category search of the frame `Frame9`: a choice in `Combo1` switches the category's icons
// on, lists its POIs in List3(0) and marks each named one with an arrow; a double click on a
// listed name marks the POIs of that name and centres the map on the last one.

#include <string_view>

namespace core {
class MapWindow;
}

namespace poi {

inline constexpr int kNoCategory = -1;

// A row of the chooser: the POI codes it lists (three characters each, joined by ",") and the
// category it switches on, by the legend cells' numbering (poi/categories.h), or kNoCategory.
struct CategoryChoice {
    std::string_view codes;
    int category;
};

// The row of chooser entry `listIndex` (0 "All POIs" .. 27 "Car Parks"); any other index, no
// entry chosen, gives no codes and no category.
CategoryChoice categoryChoice(int listIndex);

// The search of the chosen row, for the name in Text3(0) (all its POIs when Text3(0) is empty):
// its category's flag is cleared and the category toggled, so that it ends up shown when the map
// has POIs of it; then srchpois with the row's codes in List3(0), placing arrows.
void selectcombo(core::MapWindow& map);

// Opens the frame: List3(0) emptied, "Select POI " in Combo1, Frame9 in front. Not while a file
// loads.
void Image6_Click(core::MapWindow& map);

// A choice: List3(0) and Text3(0) emptied, and tm3 started, which runs the search once the
// click has been handled.
void Combo1_Click(core::MapWindow& map);

// Runs selectcombo, lets pending events run once, and stops itself.
void tm3_Timer(core::MapWindow& map);

} // namespace poi
