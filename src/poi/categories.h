#pragma once
// The shown flags of the POI categories and the looks of their cells in the legend strip.
// `showicons` repaints every cell for "all shown" or "hidden until chosen"; `toggleCategory` toggles one
// category from its button; the "Show"/"Hide" labels and the View menu switch between the two.
//
// Categories follow the legend cells: 0 places of worship, 1 pubs, 2 phone boxes, 3 post boxes,
// 4 car parks, 5 bus stops, 6 schools, 7 toilets, 8 supermarkets, 9 shops, 10 ATMs, 11 banks,
// 12 fuel, 13 hospitals, 14 pharmacies, 15 hotels, 16 historic, 17 tourism, 18 recycling,
// 19 cafes, 20 restaurants, 21 addresses, 22 stations (no button).

#include "platform/lightweight_shape.h"

namespace core {
class MapWindow;
}

namespace poi {

inline constexpr int kCafeCategory = 19;
inline constexpr int kRestaurantCategory = 20;
inline constexpr int kAddressCategory = 21;
inline constexpr int kStationCategory = 22;

// A cell's look: On for a shown category, Off for a hidden one that has POIs, Empty for a
// category whose count is 0.
enum class CellLook { On, Off, Empty };

// Sets the background, border colour and border width of `cell` to `look`.
void paintCell(platform::ShapeControl& cell, CellLook look);

// Whether the program is parsing or drawing: the handlers of the buttons, the bubble and the
// problem panel then do nothing.
bool mapBusy(const core::MapWindow& map);

// Mode 1 or -1: every category 0..22 shown, each cell On or Empty by its count. Any other mode:
// categories 0..21 hidden, their cells with POIs Off; the station cell 22 (no button) On when it
// has stations; cells without POIs and the flag of category 22 keep what they had. The digits of
// the unnamed markers are reset to |mode| first. A failing step is passed over.
void showicons(core::MapWindow& map, int mode);

// Toggles category c: its flag, its cell (On, or pale with the thin lilac border), the orange
// digits of its unnamed markers, then the map is drawn again behind the still copy. Refused
// without any change while the program is busy or when the category's count reads 0. A failing
// step shows its fault and the toggle goes on.
void toggleCategory(core::MapWindow& map, int c); // the system's name: icshw

// The "Show" (1) and "Hide" (0) labels: poiMode becomes `index`, the cells are repainted for it
// and the map drawn again; a second "Hide" in a row does nothing.
void Label13_MouseDown(core::MapWindow& map, int index);

// View menu: 0 "Show POIs", 1 "Hide POIs".
void mviw_Click(core::MapWindow& map, int index);

} // namespace poi
