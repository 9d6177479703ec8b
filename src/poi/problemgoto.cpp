#include "poi/problemgoto.h"

#include "basic/text.h"
#include "basic/val.h"
#include "poi/categories.h"
#include "poi/searcharrows.h"
#include "render/snap.h"
#include "window/mapwindow.h"

#include <cmath>
#include <string>

namespace poi {
namespace {

using core::MapWindow;

constexpr int kFirstMarker = 2;
constexpr int kWorshipCategory = 0;

bool has(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
}

long long leadingNumber(std::string_view text) {
    const double number = basic::val(text);
    return std::isfinite(number) ? static_cast<long long>(basic::roundHalfEven(number)) : 0;
}

// Piece `markerNumber` - 2 of a "#" list as a node, 0 when there is no such piece.
long long markedNode(std::string_view list, long long markerNumber) {
    const long long piece = markerNumber - kFirstMarker;
    if (piece < 0) return 0;
    const std::vector<std::string_view> pieces = basic::splitView(list, "#");
    if (piece >= static_cast<long long>(pieces.size())) return 0;
    return leadingNumber(pieces[static_cast<size_t>(piece)]);
}

bool isNode(const MapWindow& map, long long n) {
    return n >= 1 && n <= map.data.nodeCount && n < static_cast<long long>(map.data.nodeX.size()) &&
           n < static_cast<long long>(map.data.nodeY.size());
}

// Leaves exactly one arrow, pointr(1), naming node n.
void oneArrowAt(MapWindow& map, long long n) {
    core::ImageArray& arrows = map.markers.pointr;
    arrows.unloadLoaded(2, arrows.ubound());
    if (!arrows.exists(1)) arrows.load(1);
    map.data.pointrCount = 1;
    map.data.pointrList = "#" + std::to_string(n) + "#";
}

} // namespace

ProblemTarget problemTarget(const MapWindow& map, std::string_view key, std::string_view entry) {
    const core::MapData& d = map.data;
    const long long number = leadingNumber(key);
    if (has(key, "#")) return {markedNode(d.questList, number), has(entry, "ARE") ? 5.0f : 10.0f};
    if (has(key, "$")) return {markedNode(d.chainList, number), 9};
    if (has(key, "*")) return {markedNode(d.quotList, number), 10};
    if (has(key, "^")) return {d.amenityList.empty() && d.fixmeList.empty() ? 0 : number, 10};
    if (has(key, "+")) return {d.otherNodesList.empty() ? 0 : number, 10};
    return {};
}

void List4_DblClick(MapWindow& map) {
    if (mapBusy(map)) return;
    core::ProblemPanel& panel = map.problems;
    const int i = panel.List4.listIndex();
    if (i < 0 || i >= panel.List5.listCount() || i >= panel.List4.listCount()) return;
    const std::string key = panel.List5.list(i);
    const std::string entry = panel.List4.list(i);
    const bool nodeKey = !has(key, "#") && !has(key, "$") && !has(key, "*");
    if (nodeKey) {
        map.data.catShown[kWorshipCategory] = basic::vbTrue;
        map.data.poiReplot = false;
    }
    const ProblemTarget target = problemTarget(map, key, entry);
    if (!isNode(map, target.node)) return;

    core::Global& g = map.global;
    g.viewZoom = target.zoom;
    if (has(key, "#") && has(entry, "Platf")) {
        map.data.catShown[kStationCategory] = basic::vbFalse;
        toggleCategory(map, kStationCategory);
    }
    oneArrowAt(map, target.node);
    const auto node = static_cast<size_t>(target.node);
    const ArrowPoint arrow = arrowPoint(map, map.data.nodeX[node], map.data.nodeY[node]);
    bringArrowToTarget(map, arrow);
    render::redrawBehindSnap(map);
}

void List4_MouseDown(MapWindow& map) {
    if (mapBusy(map)) return;
    core::ProblemPanel& panel = map.problems;
    panel.Text1.setText(panel.List4.text());
    panel.Text1.setVisible(true);
}

void Command3_Click(MapWindow& map) {
    core::ImageArray& arrows = map.markers.pointr;
    arrows.unloadLoaded(1, arrows.ubound());
    map.data.pointrCount = 0;
    map.data.pointrList = "#";
}

void pointr_MouseDown(MapWindow& map) {
    if (mapBusy(map)) return;
    render::snap(map);
    Command3_Click(map);
    map.view.p2.setVisible(false);
}

} // namespace poi
