#pragma once
// The shown flags of the POI categories and the looks of their cells in the legend strip.
// `showicons` repaints every cell for "all shown" or "hidden until chosen".

#include "platform/lightweight_shape.h"

namespace core {
class MapWindow;
}

namespace poi {

// A cell's look: On for a shown category, Off for a hidden one that has POIs, Empty for a
// category whose count is 0.
enum class CellLook { On, Off, Empty };

// Sets the background, border colour and border width of `cell` to `look`.
void paintCell(platform::ShapeControl& cell, CellLook look);

// Mode 1 or -1: every category 0..22 shown, each cell On or Empty by its count. Any other mode:
// categories 0..21 hidden, their cells with POIs Off; the station cell 22 (no button) On when it
// has stations; cells without POIs and the flag of category 22 keep what they had. A failing
// step is passed over.
void showicons(core::MapWindow& map, int mode);

} // namespace poi
