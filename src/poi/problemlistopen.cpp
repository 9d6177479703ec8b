#include "poi/problemlistopen.h"

#include "basic/text.h"
#include "poi/bubble.h"
#include "poi/categories.h"
#include "poi/problemlists.h"
#include "window/layout.h"
#include "window/mapwindow.h"
#include "window/texthelpers.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace poi {
namespace {

using core::MapData;
using core::MapWindow;

enum class Placement { ByButton, AboveStatusBar, FrontOnly };

// Removes every needle in turn; "\"" stands for the file's quote character.
void removeAll(std::string& text, std::initializer_list<std::string_view> needles, char quote) {
    const std::string quoteText(1, quote);
    for (std::string_view needle : needles)
        text = basic::replaceAll(std::move(text), needle == "\"" ? std::string_view(quoteText) : needle, "");
}

void prepareAmenities(std::string& text, char quote) {
    removeAll(text, {"\"", "name"}, quote);
}
void prepareUnclosedAreas(std::string& text, char quote) {
    removeAll(text, {"<tag", "k=", "v=", "\"", "area yes"}, quote);
}
void prepareFixmes(std::string& text, char quote) {
    removeAll(text, {"v=", "k=", "/>", "tag", "<", "way>", "/", "\"", "node>"}, quote);
}
void prepareHiddenAreas(std::string& text, char quote) {
    core::stripTagMarkup(text);
    removeAll(text, {"\""}, quote);
    text = basic::replaceAll(std::move(text), "  ", " ");
}
void prepareAreaRecords(std::string& text, char quote) {
    removeAll(text, {"v=", "k=", "/>", "tag", "<", "\""}, quote);
}

struct ListView {
    ProblemList list;
    const char* title;
    const char* explanation; // nullptr: made from the settings
    std::string MapData::*source;
    void (*prepare)(std::string& text, char quote);
    const char* markers;
    Placement placement;
};

constexpr ListView kLists[] = {
    {ProblemList::AmenitiesWithoutIcons, "Amenities without icons",
     "Entries may be non-standard or wrongly tagged as amenities", &MapData::amenityList, prepareAmenities,
     "^", Placement::AboveStatusBar},
    {ProblemList::HighwaysNotJoined, "Highways not joined",
     "Highway is not connected. Ignore if at the end of the map", &MapData::unjoinedWayList, nullptr, "$",
     Placement::FrontOnly},
    {ProblemList::AreasNotClosed, "Areas not closed", "Arrow points to node not connected.",
     &MapData::unclosedAreaList, prepareUnclosedAreas, "$", Placement::ByButton},
    {ProblemList::Fixmes, "FIXMEs", "This list needs to be checked out.", &MapData::fixmeList, prepareFixmes,
     "+#^", Placement::AboveStatusBar},
    {ProblemList::Notes, "Notes", "These nodes have been annotated.", &MapData::noteList, nullptr, "+#$",
     Placement::AboveStatusBar},
    {ProblemList::AreasNotDisplayed, "Areas not displayed", "", &MapData::hiddenAreaList, prepareHiddenAreas,
     "#", Placement::ByButton},
    {ProblemList::OtherNodes, "Other Nodes", nullptr, &MapData::otherNodesList, nullptr, "+",
     Placement::AboveStatusBar},
    {ProblemList::HighwaysNotDisplayed, "Highways not displayed", "Type of highway not defined",
     &MapData::areaRecordList, prepareAreaRecords, "#", Placement::ByButton},
    {ProblemList::EmptyTags, "Empty Tags", "Node contains an empty tag", &MapData::emptyTagList, nullptr, "*",
     Placement::ByButton},
};

const ListView& viewOf(ProblemList list) {
    for (const ListView& view : kLists) {
        if (view.list == list) return view;
    }
    return kLists[0];
}

// The button that opens `list`; its Top is taken within the left strip.
const platform::Control& buttonOf(MapWindow& map, ProblemList list) {
    core::SideStrips& s = map.strips;
    switch (list) {
    case ProblemList::AreasNotDisplayed:
        return s.Image2;
    case ProblemList::Fixmes:
        return s.Image10;
    case ProblemList::AmenitiesWithoutIcons:
        return map.markers.amen[1];
    case ProblemList::OtherNodes:
        return s.shape12;
    case ProblemList::HighwaysNotDisplayed:
        return map.markers.quest[1];
    case ProblemList::AreasNotClosed:
        return s.chaina;
    case ProblemList::EmptyTags:
        return map.markers.quot[1];
    case ProblemList::Notes:
        return s.Image11;
    case ProblemList::HighwaysNotJoined:
        break;
    }
    return map.markers.chain[1];
}

void place(MapWindow& map, const ListView& view) {
    platform::Frame& panel = map.problems.frame4;
    if (view.placement == Placement::ByButton)
        panel.setTop(buttonOf(map, view.list).top() + map.strips.Frame3[core::kLeftStrip].top());
    else if (view.placement == Placement::AboveStatusBar)
        core::placeProblemPanel(map, buttonOf(map, view.list).top());
    core::bringToFrontAndShow(panel);
}

} // namespace

void openProblemList(MapWindow& map, ProblemList list) {
    if (mapBusy(map)) return;
    const ListView& view = viewOf(list);
    core::ProblemPanel& panel = map.problems;
    panel.Label8.setCaption(view.title);
    panel.Label11.setCaption(view.explanation ? std::string(view.explanation)
                                              : "Change maximum parsed (" +
                                                    std::to_string(map.global.settings.maxGreenNodes) +
                                                    ") in Preferences");
    std::string& source = map.data.*view.source;
    if (list == ProblemList::EmptyTags) source = emptyTagEntries(map);
    if (view.prepare) view.prepare(source, map.global.quoteChar);
    if (list != ProblemList::HighwaysNotJoined) map.data.listKind = static_cast<basic::Integer>(list);
    proclist(map, source, view.markers);
    place(map, view);
}

void Image2_Click(MapWindow& map) {
    openProblemList(map, ProblemList::AreasNotDisplayed);
}
void Image10_Click(MapWindow& map) {
    openProblemList(map, ProblemList::Fixmes);
}
void Image11_Click(MapWindow& map) {
    openProblemList(map, ProblemList::Notes);
}
void shape12_Click(MapWindow& map) {
    openProblemList(map, ProblemList::OtherNodes);
}
void chaina_Click(MapWindow& map) {
    openProblemList(map, ProblemList::AreasNotClosed);
}

void amen_MouseDown(MapWindow& map, int index) {
    if (index == 1)
        openProblemList(map, ProblemList::AmenitiesWithoutIcons);
    else
        bubl(map, map.markers.amen[index]);
}

void Label1_Click(MapWindow& map, int index) {
    if (mapBusy(map)) return;
    if (index == 0) map.problems.frame4.setVisible(false);
    if (index == 5) map.search.Frame9.setVisible(false);
    if (index == 6) map.search.Frame10.setVisible(false);
}

} // namespace poi
