#include "render/markerlayers.h"

#include "basic/colour.h"
#include "basic/fault.h"
#include "basic/text.h"
#include "basic/val.h"
#include "platform/events.h"
#include "render/drawerrors.h"
#include "render/iconpaint.h"
#include "render/poimarkers.h"
#include "window/mapwindow.h"
#include "window/view.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace render {
namespace {

using basic::Single;

constexpr int kOrangeStyle = 117;
constexpr double kPi = 3.14159265;
constexpr double kBarbLength = 15;
constexpr double kShaftLength = 30;
constexpr double kBarbAngle = 45 * kPi / 180;
constexpr int kArrowColour = 3; // cyan
constexpr int kArrowWidth = 2;

using ScreenPoint = core::PicturePoint;

std::optional<ScreenPoint> nodePoint(const core::MapWindow& map, double n) {
    return core::nodePicturePoint(map.global, map.data, n);
}

// A list piece as a node or label number: a piece that is not a number reads as 0.
double pieceNumber(std::string_view piece) {
    return basic::roundHalfEven(basic::val(piece));
}

// Area label m (1..) at its point of List2(0) and List2(1) under the current view; a label the
// lists do not hold is fault 340.
ScreenPoint labelPoint(const core::MapWindow& map, double m) {
    const auto& xs = map.markers.List2[core::kLabelXList];
    const auto& ys = map.markers.List2[core::kLabelYList];
    if (!(m >= 1 && m <= std::min(xs.listCount(), ys.listCount())))
        basic::raise(basic::fault::ControlArrayElementMissing);
    const int item = static_cast<int>(m) - 1;
    const core::Global& g = map.global;
    return {static_cast<Single>(basic::val(xs.list(item)) * g.viewZoom + g.viewOffX),
            static_cast<Single>(basic::val(ys.list(item)) * g.viewZoom + g.viewOffY)};
}

// The orange icon centred on a point, by the size of the unnamed markers' template.
void paintOrange(core::MapWindow& map, ScreenPoint at, DrawErrors& errors) {
    errors.run([&] {
        const platform::ImageControl& model = map.markers.nonn[0];
        int style = kOrangeStyle;
        ploticon(map, map.stores.orang.picture(), style, at.x - model.width() / 2,
                      at.y - model.height() / 2, errors);
    });
}

// The arrow `index` beside the point (left, top): its tip, at its lower left, on the point.
void placeArrow(core::MapWindow& map, int index, double left, double top) {
    core::ImageArray& pointr = map.markers.pointr;
    const platform::ImageControl& model = pointr[core::kMarkerTemplate];
    platform::ImageControl& arrow = pointr[index];
    arrow.move(left + model.width() / 5, top - 1.2 * model.height());
    arrow.setVisible(true);
}

// The non-empty pieces of `list` split at `separator`.
template <class F> void forEachPiece(std::string_view list, char separator, F&& visit) {
    for (std::string_view piece : basic::splitView(list, std::string_view(&separator, 1))) {
        if (!piece.empty()) visit(piece);
    }
}

} // namespace

void placeUnnamedMarkers(core::MapWindow& map, DrawErrors& errors) {
    core::MapData& d = map.data;
    if (d.noNameList.empty() || d.nonnCount <= 0) return;
    const std::vector<std::string_view> pieces = basic::splitView(d.noNameList, "#");
    const size_t count = std::min(static_cast<size_t>(d.nonnCount), pieces.size());
    core::ImageArray& nonn = map.markers.nonn;
    for (size_t k = 0; k < count; ++k) {
        const int index = static_cast<int>(k + 1);
        errors.run([&] {
            const auto at = nodePoint(map, pieceNumber(pieces[k]));
            if (!at) return;
            platform::ImageControl& marker = nonn.load(index);
            marker.move(at->x - nonn[0].width() / 2, at->y - nonn[0].height() / 2);
        });
        // A marker beyond the digits has no flag: it gets no orange icon.
        if (k >= d.noNameFlags.size() || d.noNameFlags[k] == '0' || !nonn.exists(index)) continue;
        errors.run([&] {
            int style = kOrangeStyle;
            ploticon(map, map.stores.orang.picture(), style, nonn[index].left(), nonn[index].top(),
                          errors);
        });
    }
}

void placePoiMarkers(core::MapWindow& map, DrawErrors& errors) {
    core::MapData& d = map.data;
    const size_t nodes = std::min({d.nodeInfo.size(), d.nodeX.size(), d.nodeY.size(), d.nodeName.size()});
    const size_t last = std::min(static_cast<size_t>(std::max<basic::Long>(d.nodeCount, 0)) + 1, nodes);
    for (size_t i = 0; i < last; ++i) {
        // Asked every 16th node, as the drawing passes ask every 16th way: reading the clock for
        // each of a hundred thousand nodes costs more than placing their markers.
        if (i % 16 == 0 && platform::inputPending() != 0) platform::doEvents();
        const std::string_view info = d.nodeInfo[i];
        if (!info.empty()) {
            const std::string_view code = info.substr(0, 3);
            const std::string_view name = info.size() > 3 ? info.substr(3) : std::string_view();
            placePoiMarker(map, d.nodeX[i], d.nodeY[i], code, name, d.nodeName[i], errors);
        }
        if (map.global.cancelRequested) break;
    }
}

void placeSearchArrows(core::MapWindow& map, DrawErrors& errors) {
    const core::MapData& d = map.data;
    if (d.pointrList == "#") return;
    const std::string_view list = d.pointrList;
    const size_t dollar = list.find('$');
    const std::string_view nodeHits = list.substr(0, dollar);
    const std::string_view labelHits =
        dollar == std::string_view::npos ? std::string_view() : list.substr(dollar);
    const std::string unnamed = "#" + d.noNameList;

    int arrow = 0;
    forEachPiece(nodeHits, '#', [&](std::string_view piece) {
        ++arrow;
        errors.run([&] {
            const auto at = nodePoint(map, pieceNumber(piece));
            if (!at) return;
            placeArrow(map, arrow, at->x, at->y);
            if (unnamed.find("#" + std::string(piece) + "#") != std::string::npos)
                paintOrange(map, *at, errors);
        });
    });
    forEachPiece(labelHits, '$', [&](std::string_view piece) {
        ++arrow;
        errors.run([&] {
            const ScreenPoint at = labelPoint(map, pieceNumber(piece));
            placeArrow(map, arrow, at.x, at.y);
        });
    });
}

void drawOnewayArrows(core::MapWindow& map, DrawErrors& errors) {
    const core::MapData& d = map.data;
    const std::vector<std::string_view> entries = basic::splitView(d.onewayArrowList, "$");
    if (entries.size() <= 1) return;
    if (!(static_cast<Single>(d.fileSizeMB * 1.5) < map.global.viewZoom)) return;
    platform::PictureBox& p1 = map.view.p1;
    errors.run([&] {
        p1.setDrawWidth(kArrowWidth);
        p1.setForeColor(basic::qbColor(kArrowColour));
    });
    // The piece after the last "$" is no entry.
    for (size_t k = 0; k + 1 < entries.size(); ++k) {
        errors.run([&] {
            // "node#direction"; an entry without its direction is fault 9.
            const std::string_view entry = entries[k];
            const size_t hash = entry.find('#');
            if (hash == std::string_view::npos) basic::raise(basic::fault::SubscriptOutOfRange);
            const auto at = nodePoint(map, pieceNumber(entry.substr(0, hash)));
            if (!at) return;
            const std::string_view direction = entry.substr(hash + 1);
            const double a = basic::val(direction.substr(0, direction.find('#')));
            for (const double barb : {a + kBarbAngle, a - kBarbAngle})
                p1.line(at->x, at->y, at->x - kBarbLength * std::cos(barb),
                        at->y - kBarbLength * std::sin(barb));
            p1.line(at->x, at->y, at->x - kShaftLength * std::cos(a), at->y - kShaftLength * std::sin(a));
        });
    }
}

} // namespace render
