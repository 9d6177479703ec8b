#include "poi/categorysearch.h"

#include "basic/case.h"
#include "platform/events.h"
#include "poi/categories.h"
#include "poi/namesearch.h"
#include "poi/namesearch_text.h"
#include "window/layout.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <array>

namespace poi {
namespace {

// The chooser's rows in list order; the entries' captions are core::kPoiCategories.
constexpr std::array<CategoryChoice, 28> kChoices = {{
    {"", kNoCategory},                        // All POIs
    {"ADR", kNoCategory},                     // Addresses
    {"ATM", 10},                              // ATMs
    {"BAN", 11},                              // Banks
    {"BUS", 5},                               // Buses
    {"CAF,X9 ,X7 ", kCafeCategory},           // Cafes,Bars,Fast Food
    {"CHU,CHM,CHJ,CHH,CHS", 0},               // Places of Worship
    {"FUE", 12},                              // Fuel
    {"HIS,X67", 16},                          // History
    {"HOS", 13},                              // Hospitals
    {"HOT", 15},                              // Hotels
    {"PHA", 14},                              // Pharmacies
    {"PUB", 1},                               // Pubs
    {"REC", kNoCategory},                     // Recycling
    {"RES", kRestaurantCategory},             // Restaurants
    {"SCH,X5 ", 6},                           // Education
    {"SHO", 9},                               // Shops
    {"X11,X58,X57,X56", kNoCategory},         // Sport
    {"STA", kStationCategory},                // Stations
    {"SUP", 8},                               // Supermarkets
    {"MOB", 2},                               // Phoneboxes
    {"TOI", 7},                               // Toilets
    {"TOU,X62,X63,X70,X54", 17},              // Tourist Attractions
    {"X65,X4 ", kNoCategory},                 // Taxis,Car Rental
    {"X2 ,X61,X10", kNoCategory},             // Entertainment
    {"X60,X55,X40,X43,X44,FIR", kNoCategory}, // Services
    {"X64", kNoCategory},                     // Playgrounds
    {"PAR", 4},                               // Car Parks
}};
static_assert(kChoices.size() == core::kPoiCategories.size());

} // namespace

CategoryChoice categoryChoice(int listIndex) {
    if (listIndex < 0 || listIndex >= static_cast<int>(kChoices.size())) return {"", kNoCategory};
    return kChoices[static_cast<size_t>(listIndex)];
}

void selectcombo(core::MapWindow& map) {
    if (mapBusy(map)) return;
    core::SearchPanels& panel = map.search;
    const std::string text = searchKey(panel.Text3[core::kCategorySearch].text());
    platform::ListBox& hits = panel.List3[core::kCategorySearch];
    if (hits.listIndex() < 0) hits.clear();
    const CategoryChoice choice = categoryChoice(panel.Combo1.listIndex());
    if (choice.category != kNoCategory) {
        map.data.catShown[static_cast<size_t>(choice.category)] = basic::vbFalse;
        toggleCategory(map, choice.category);
    }
    srchpois(map, text, choice.codes, core::kCategorySearch, true);
}

void Image6_Click(core::MapWindow& map) {
    if (map.data.mapLoading) return;
    core::SearchPanels& panel = map.search;
    panel.List3[core::kCategorySearch].clear();
    panel.Combo1.setText("Select POI ");
    core::bringToFrontAndShow(panel.Frame9);
}

void Combo1_Click(core::MapWindow& map) {
    if (mapBusy(map)) return;
    core::SearchPanels& panel = map.search;
    panel.List3[core::kCategorySearch].clear();
    panel.Text3[core::kCategorySearch].setText("");
    panel.tm3.setEnabled(true);
}

void tm3_Timer(core::MapWindow& map) {
    // A fault must not leave the timer running the search again and again.
    core::resumeNextWithMessage([&] { selectcombo(map); });
    platform::doEvents();
    map.search.tm3.setEnabled(false);
}

} // namespace poi
