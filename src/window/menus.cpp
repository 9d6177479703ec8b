#include "window/menus.h"

#include <string>
#include <string_view>

namespace core {
namespace {

struct Entry {
    int index;
    std::string_view caption;
};

// The File menu: entries 15..18 are the recent files, empty until the settings file or an open
// fills them.
constexpr Entry kFile[] = {{0, "Open OSM"},   {1, "-"},           {2, "Open Parsed Files"},
                           {3, "-"},          {4, "Save Screen"}, {5, "-"},
                           {6, "Import GPX"}, {7, "Save Route"},  {8, "-"},
                           {9, "About"},      {10, "-"},          {11, "Check for Update"},
                           {12, "-"},         {13, "Print"},      {14, "-"},
                           {15, ""},          {16, ""},           {17, ""},
                           {18, ""},          {19, "-"},          {20, "Exit"}};
constexpr Entry kEdit[] = {{0, "Preferences"}};
constexpr Entry kRoutes[] = {
    {0, "New Route"}, {1, "-"}, {2, "Cancel Route"}, {3, "-"}, {4, "Show Route on Google Earth"}};
constexpr int kShowErrors = 0;
constexpr Entry kMapStyles[] = {{kShowErrors, "Show Errors"}, {1, "Hide Errors"}, {2, "Planning Sheet"}};
constexpr Entry kPoiViews[] = {{0, "Show POIs"}, {1, "Hide POIs"}};
constexpr Entry kGpx[] = {{4, "Show Tracks"}, {5, "Show Waypoints"}, {6, "-"}, {7, "Clear GPX"}};
constexpr Entry kHelp[] = {{0, "Manual"}, {1, "On Line"}};
constexpr Entry kInternet[] = {{0, "OpenStreetMap"}, {1, "-"}, {2, "Google Map"}};

template <size_t N> void fill(platform::MenuArray& array, platform::Menu& menu, const Entry (&entries)[N]) {
    for (const Entry& entry : entries)
        array.add(menu, entry.index, std::string(entry.caption));
}

// The pop-up's insert entries, then its delete entry, which the caller keeps.
platform::MenuItem& addPointEditing(platform::Menu& mroute, platform::MenuArray& madd) {
    madd.add(mroute, 0, "Add Waypoint Before");
    madd.add(mroute, 1, "Add Waypoint After");
    return mroute.addItem("mdel", "Delete Waypoint");
}

} // namespace

Menus::Menus(platform::Form& form)
    : mfil(form.addMenu("mfil", "File")), medi(form.addMenu("medi", "Edit")),
      mrout(form.addMenu("mrout", "Routes")), mv(form.addMenu("mv", "Map")),
      mgpx(form.addMenu("mgpx", "GPX")), mhelp(form.addMenu("mhelp", "Help")),
      mintt(form.addMenu("mintt", "Internet")), mroute(form.addMenu("mroute", "mroute")),
      mdel(addPointEditing(mroute, madd)) {
    fill(mf, mfil, kFile);
    fill(med, medi, kEdit);
    fill(mnewr, mrout, kRoutes);
    fill(mn, mv, kMapStyles);
    mv.addItem("mvsep", "-");
    fill(mviw, mv, kPoiViews);
    fill(mgp, mgpx, kGpx);
    fill(mhlp, mhelp, kHelp);
    fill(mint, mintt, kInternet);
    mrt.add(mroute, 0, "-");
    mrt.add(mroute, 1, "Clear");
    mrt.add(mroute, 2, "Save Route");

    mn[kShowErrors].setChecked(true); // the map style it starts with
    mgpx.setEnabled(false); // enabled by a GPX import
    mroute.setVisible(false);
}

} // namespace core
