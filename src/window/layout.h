#pragma once
// The window layout, computed from the screen's size and the status bar's top edge S, never
// from the window's size: setpanels places every panel, placezoom the zoom buttons, showLegendPanel shows
// or hides the legend panel, placeProblemPanel keeps the problem panel above the status bar, bringToFrontAndShow brings a
// panel to the front. A property that refuses its value (a negative size on a screen too small
// for the layout) ends the operation there with its fault.

#include "platform/control.h"

#include <array>
#include <string_view>

namespace core {

class MapWindow;

// The category chooser's entries, in list order; the category search acts on the index.
inline constexpr std::array<std::string_view, 28> kPoiCategories = {
    "All POIs",
    "Addresses",
    "ATMs",
    "Banks",
    "Buses",
    "Cafes,Bars,Fast Food",
    "Places of Worship",
    "Fuel",
    "History",
    "Hospitals",
    "Hotels",
    "Pharmacies",
    "Pubs",
    "Recycling",
    "Restaurants",
    "Education",
    "Shops",
    "Sport",
    "Stations",
    "Supermarkets",
    "Phoneboxes",
    "Toilets",
    "Tourist Attractions",
    "Taxis,Car Rental",
    "Entertainment",
    "Services",
    "Playgrounds",
    "Car Parks",
};

void setpanels(MapWindow& map);
// The zoom buttons at the viewport's left edge, or at the right edge of the map the user sees,
// clear of the legend panel and the vertical scroll bar.
void placezoom(MapWindow& map);
// Showing or hiding the panel also moves the map picture, keeping the zoom centre in the middle
// of the uncovered viewport, and places the zoom buttons anew.
void showLegendPanel(MapWindow& map, bool show); // the system's name: fram2
// offset: the top of the pressed problem button within the left strip.
// The system's name: frame4tp.
void placeProblemPanel(MapWindow& map, double offset);
// The system's name: zor.
void bringToFrontAndShow(platform::Control& panel);

} // namespace core
