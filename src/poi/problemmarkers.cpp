#include "poi/problemmarkers.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "basic/text.h"
#include "basic/val.h"
#include "core/mapwindow.h"
#include "platform/artwork.h"
#include "platform/dialogs.h"
#include "poi/categories.h"
#include "poi/iconpaint.h"
#include "poi/problempanel.h"
#include "render/drawerrors.h"

#include <initializer_list>
#include <limits>
#include <vector>

namespace poi {
namespace {

using core::MapWindow;
using platform::ImageControl;
using platform::RasterOp;

constexpr int kFirstMarker = 2;
constexpr int kEmptyTagStyle = 122;
constexpr int kAreaMask = 119;
constexpr int kHighwayMask = 120;
constexpr int kChainCountLabel = 31;
constexpr std::string_view kCrlf = "\r\n";

struct ScreenPoint {
    float x;
    float y;
};

// Piece `k` of a marker list as a node index: its leading number rounded; not a number reads 0.
long long nodeOf(std::string_view piece) {
    return static_cast<long long>(basic::roundHalfEven(basic::val(piece)));
}

// The screen point of node n; a node the arrays do not hold is fault 9.
ScreenPoint screenPoint(const MapWindow& map, long long n) {
    const core::MapData& d = map.d;
    if (n < 0 || n >= static_cast<long long>(d.nodeX.size()) || n >= static_cast<long long>(d.nodeY.size()))
        basic::raise(basic::fault::SubscriptOutOfRange);
    const core::Global& g = map.g;
    return {static_cast<float>(g.viewZoom * d.nodeX[static_cast<size_t>(n)] + g.viewOffX),
            static_cast<float>(g.viewZoom * d.nodeY[static_cast<size_t>(n)] + g.viewOffY)};
}

// The marker's picture on p1 through `mask`: the mask whitens where the picture is opaque, the
// picture is ANDed in, and the map around it stays.
void maskedPaint(MapWindow& map, const ImageControl& marker, const QImage& mask) {
    platform::PictureBox& p1 = map.view.p1;
    p1.paintPicture(mask, marker.left(), marker.top(), RasterOp::MergePaint);
    p1.paintPicture(marker.picture(), marker.left(), marker.top(), RasterOp::SrcAnd);
}

// A text on one line: each line break (CR LF, CR or LF) becomes one blank.
std::string oneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

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

const ImageControl& template0(const core::ImageArray& markers) {
    return markers[0];
}

} // namespace

void placeEmptyTagMarkers(MapWindow& map, render::DrawErrors& errors) {
    const core::MapData& d = map.d;
    if (d.quotList.empty()) return;
    core::ImageArray& quot = map.markers.quot;
    const std::vector<std::string_view> pieces = basic::splitView(d.quotList, "#");
    for (size_t k = 0; k + 1 < pieces.size(); ++k) {
        // A list that names more markers than the file loaded (a damaged project file) has no
        // marker for its extra entries: they are passed over.
        if (!quot.exists(static_cast<int>(k) + kFirstMarker)) continue;
        errors.run([&] {
            const ScreenPoint at = screenPoint(map, nodeOf(pieces[k]));
            const ImageControl& model = template0(quot);
            ImageControl& marker = quot[static_cast<int>(k) + kFirstMarker];
            marker.move(at.x - model.width(), at.y - 1.4 * model.height());
            marker.setVisible(true);
            int style = kEmptyTagStyle;
            ploticon(map, marker.picture(), style, marker.left(), marker.top(), errors);
        });
    }
}

void placeQuestMarkers(MapWindow& map, render::DrawErrors& errors) {
    core::MapData& d = map.d;
    if (d.questCount <= 1) return;
    core::ImageArray& quest = map.markers.quest;
    const std::vector<std::string_view> pieces = basic::splitView(d.questList, "#");
    for (long long k = 0; k <= d.questCount - kFirstMarker; ++k) {
        errors.run([&] {
            if (k >= static_cast<long long>(pieces.size())) basic::raise(basic::fault::SubscriptOutOfRange);
            const ScreenPoint at = screenPoint(map, nodeOf(pieces[static_cast<size_t>(k)]));
            const ImageControl& model = template0(quest);
            ImageControl& marker = quest[static_cast<int>(k) + kFirstMarker];
            marker.move(at.x - model.width() / 2, at.y - model.height());
            int mask = kHighwayMask;
            if (has(marker.tag(), "AREA")) {
                marker.setPicture(map.stores.que.picture());
                ++d.questAreaCount;
                mask = kAreaMask;
            }
            maskedPaint(map, marker, platform::imin(mask));
            marker.setVisible(true);
        });
    }
}

void placeChainMarkers(MapWindow& map, render::DrawErrors& errors) {
    core::MapData& d = map.d;
    d.unjoinedWayList.clear();
    if (d.chainCount <= 0) return;
    core::ImageArray& chain = map.markers.chain;
    const QImage mask = platform::mask("markers/chain");
    const std::vector<std::string_view> pieces = basic::splitView(d.chainList, "#");
    for (size_t k = 0; k + 1 < pieces.size(); ++k) {
        errors.run([&] {
            const ScreenPoint at = screenPoint(map, nodeOf(pieces[k]));
            const ImageControl& model = template0(chain);
            const int element = static_cast<int>(k) + kFirstMarker;
            ImageControl& marker = chain[element];
            marker.move(at.x - model.width(), at.y - model.height());
            ++d.chainExtraCount;
            marker.setVisible(true);
            maskedPaint(map, marker, mask);
            d.unjoinedWayList += std::to_string(element);
            d.unjoinedWayList += '$';
            d.unjoinedWayList += oneLine(marker.tag());
            d.unjoinedWayList += kCrlf;
        });
    }
}

void placeProblemMarkers(MapWindow& map, render::DrawErrors& errors) {
    placeEmptyTagMarkers(map, errors);
    placeQuestMarkers(map, errors);
    placeChainMarkers(map, errors);
}

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
        platform::dialogs().msgBox(questAdvice(map.markers.quest[index].tag(), map.g.quoteChar));
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
    platform::dialogs().msgBox(nodeMarkerText(map.markers.shape1[index].tag(), map.g.quoteChar));
}

void getchain(MapWindow& map, double x, double y, std::string_view text) {
    core::MapData& d = map.d;
    core::ImageArray& chain = map.markers.chain;
    map.legendStrip.numb[kChainCountLabel].setCaption(basic::dec(d.chainCount));
    d.chainCount += 1;
    if (d.chainCount > std::numeric_limits<basic::Integer>::max())
        basic::raise(basic::fault::ControlArrayElementMissing);
    ImageControl& arrow = chain.load(static_cast<int>(d.chainCount));
    const core::Global& g = map.g;
    const ImageControl& model = template0(chain);
    arrow.move(x * g.viewZoom + g.viewOffX - model.width(), y * g.viewZoom + g.viewOffY - model.height());
    arrow.setTag(std::string(text));
}

} // namespace poi
