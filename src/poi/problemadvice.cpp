#include "poi/problemadvice.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "basic/text.h"
#include "platform/dialogs.h"
#include "poi/categories.h"
#include "poi/problemlistopen.h"
#include "window/mapwindow.h"

#include <initializer_list>
#include <limits>

namespace poi {
namespace {

using core::MapWindow;
using platform::ImageControl;

constexpr int kFirstMarker = 2;
constexpr int kChainCountLabel = 31;

void removeEach(std::string& text, std::initializer_list<std::string_view> needles) {
    for (std::string_view needle : needles)
        text = basic::replaceAll(std::move(text), needle, "");
}

bool has(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

// The tip for an area the map does not show, by the first rule its text matches.
std::string areaTip(std::string_view t, char quote) {
    const std::string q(1, quote);
    const bool sport = has(t, "sport");
    const bool marina = has(t, "marina");
    const bool unsolved = has(t, "prison") || has(t, "bus") || marina;
    if (sport && has(t, "golf")) return " leisure:golf_course";
    if (sport) return " leisure:pitch (sports_centre/building=yes/stadium?)";
    if (has(t, "church") || has(t, "worship") || has(t, "grave"))
        return "'landuse:cemetery / grave_yard' or amenity:place_of_worship";
    if (has(t, "park" + q)) return "'leisure:park'";
    if (has(t, "orchard" + q)) return "'landuse:farm'";
    if (!unsolved && has(t, "wood" + q)) return "natural:wood";
    if (!unsolved)
        return "'landuse:' (industrial/commercial/retail/amenity:parking/tourism:attraction\r\n"
               "natural:land (islands) etc) or 'building:yes'";
    if (!marina) return "' no solution as yet.' Perhaps draw building and set polygon as  'building:yes'.";
    return "' no solution as yet.'Perhaps 'water:natural'";
}

} // namespace

std::string questAdvice(std::string_view tag, char quote) {
    std::string_view t = tag;
    if (const size_t end = t.find("</way"); end != std::string_view::npos) t = t.substr(0, end);
    std::string message;
    if (!has(t, "AREA:")) {
        if (has(t, "Platform"))
            message = std::string(t) + "\r\nIgnore if this is a subway station.";
        else if (!has(t, "Error"))
            message = "Highway not specified (ie highway:unclassified,service,track?) or not shown in "
                      "Mapnik.\r\n\r\n" +
                      std::string(t);
        else
            message = std::string(t);
    } else {
        message =
            "Area not shown in Mapnik.\r\n\r\n" + basic::mid(t, 8) + "\r\n\r\nTip: " + areaTip(t, quote);
    }
    removeEach(message, {"/>", "tag", "<", "v=", "k=", std::string_view(&quote, 1)});
    return message;
}

std::string emptyTagAdvice(std::string_view tag) {
    std::string t(tag);
    removeEach(t, {"k=", "v="});
    return "Empty Tags\r\n\r\nTip:in editor select all nodes,then delete & redo tags . No need to "
           "replot!\r\n\r\n" +
           t;
}

std::string nodeMarkerText(std::string_view tag, char quote) {
    std::string t(tag.substr(0, tag.find("</nod")));
    removeEach(t, {"/", "<tag", "k=", "v=", ">", std::string_view(&quote, 1)});
    return t;
}

void quest_Click(MapWindow& map, int index) {
    if (mapBusy(map)) return;
    if (index == 1)
        openProblemList(map, ProblemList::HighwaysNotDisplayed);
    else
        platform::dialogs().msgBox(questAdvice(map.markers.quest[index].tag(), map.global.quoteChar));
}

void quot_MouseDown(MapWindow& map, int index) {
    if (mapBusy(map)) return;
    if (index <= 1)
        openProblemList(map, ProblemList::EmptyTags);
    else
        platform::dialogs().msgBox(emptyTagAdvice(map.markers.quot[index].tag()));
}

void chain_Click(MapWindow& map, int index) {
    if (mapBusy(map)) return;
    if (index < kFirstMarker)
        openProblemList(map, ProblemList::HighwaysNotJoined);
    else
        platform::dialogs().msgBox(map.markers.chain[index].tag());
}

void shape1_MouseDown(MapWindow& map, int index) {
    if (mapBusy(map) || index < kFirstMarker) return;
    platform::dialogs().msgBox(nodeMarkerText(map.markers.shape1[index].tag(), map.global.quoteChar));
}

void getchain(MapWindow& map, double x, double y, std::string_view text) {
    core::MapData& d = map.data;
    core::ImageArray& chain = map.markers.chain;
    map.legendStrip.numb[kChainCountLabel].setCaption(basic::dec(d.chainCount));
    d.chainCount += 1;
    if (d.chainCount > std::numeric_limits<basic::Integer>::max())
        basic::raise(basic::fault::ControlArrayElementMissing);
    ImageControl& arrow = chain.load(static_cast<int>(d.chainCount));
    const core::Global& g = map.global;
    const ImageControl& model = chain[0];
    arrow.move(x * g.viewZoom + g.viewOffX - model.width(), y * g.viewZoom + g.viewOffY - model.height());
    arrow.setTag(std::string(text));
}

} // namespace poi
