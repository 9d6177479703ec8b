#include "render/problemmarkers.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "basic/text.h"
#include "basic/val.h"
#include "platform/artwork.h"
#include "render/drawerrors.h"
#include "render/iconpaint.h"
#include "window/mapwindow.h"
#include "window/view.h"

#include <optional>
#include <vector>

namespace render {
namespace {

using core::MapWindow;
using platform::ImageControl;
using platform::RasterOp;

constexpr int kFirstMarker = 2;
constexpr int kEmptyTagStyle = 122;
constexpr int kAreaMask = 119;
constexpr int kHighwayMask = 120;
constexpr std::string_view kCrlf = "\r\n";

// Piece `k` of a marker list as a node index: its leading number rounded; not a number reads 0.
long long nodeOf(std::string_view piece) {
    return static_cast<long long>(basic::roundHalfEven(basic::val(piece)));
}

// Node n on the picture; none for an index outside 1..nodeCount, whose entry is passed over.
std::optional<core::PicturePoint> screenPoint(const MapWindow& map, long long n) {
    return core::nodePicturePoint(map.global, map.data, static_cast<double>(n));
}

// The marker's picture on p1 through `mask`: the mask whitens where the picture is opaque, the
// picture is ANDed in, and the map around it stays.
void maskedPaint(MapWindow& map, const ImageControl& marker, const QImage& mask) {
    platform::PictureBox& p1 = map.view.p1;
    p1.paintPicture(mask, marker.left(), marker.top(), RasterOp::MergePaint);
    p1.paintPicture(marker.picture(), marker.left(), marker.top(), RasterOp::SrcAnd);
}

bool has(std::string_view text, std::string_view needle) {
    return text.find(needle) != std::string_view::npos;
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

const ImageControl& template0(const core::ImageArray& markers) {
    return markers[core::kMarkerTemplate];
}

} // namespace

void placeEmptyTagMarkers(MapWindow& map, DrawErrors& errors) {
    const core::MapData& d = map.data;
    if (d.quotList.empty()) return;
    core::ImageArray& quot = map.markers.quot;
    const std::vector<std::string_view> pieces = basic::splitView(d.quotList, "#");
    for (size_t k = 0; k + 1 < pieces.size(); ++k) {
        // A list that names more markers than the file loaded (a damaged project file) has no
        // marker for its extra entries: they are passed over.
        if (!quot.exists(static_cast<int>(k) + kFirstMarker)) continue;
        errors.run([&] {
            const auto at = screenPoint(map, nodeOf(pieces[k]));
            if (!at) return;
            const ImageControl& model = template0(quot);
            ImageControl& marker = quot[static_cast<int>(k) + kFirstMarker];
            marker.move(at->x - model.width(), at->y - 1.4 * model.height());
            marker.setVisible(true);
            int style = kEmptyTagStyle;
            ploticon(map, marker.picture(), style, marker.left(), marker.top(), errors);
        });
    }
}

void placeQuestMarkers(MapWindow& map, DrawErrors& errors) {
    core::MapData& d = map.data;
    if (d.questCount <= 1) return;
    core::ImageArray& quest = map.markers.quest;
    const std::vector<std::string_view> pieces = basic::splitView(d.questList, "#");
    for (long long k = 0; k <= d.questCount - kFirstMarker; ++k) {
        errors.run([&] {
            if (k >= static_cast<long long>(pieces.size())) basic::raise(basic::fault::SubscriptOutOfRange);
            const auto at = screenPoint(map, nodeOf(pieces[static_cast<size_t>(k)]));
            if (!at) return;
            const ImageControl& model = template0(quest);
            ImageControl& marker = quest[static_cast<int>(k) + kFirstMarker];
            marker.move(at->x - model.width() / 2, at->y - model.height());
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

void placeChainMarkers(MapWindow& map, DrawErrors& errors) {
    core::MapData& d = map.data;
    d.unjoinedWayList.clear();
    if (d.chainCount <= 0) return;
    core::ImageArray& chain = map.markers.chain;
    const QImage mask = platform::mask("markers/chain");
    const std::vector<std::string_view> pieces = basic::splitView(d.chainList, "#");
    for (size_t k = 0; k + 1 < pieces.size(); ++k) {
        errors.run([&] {
            const auto at = screenPoint(map, nodeOf(pieces[k]));
            if (!at) return;
            const ImageControl& model = template0(chain);
            const int element = static_cast<int>(k) + kFirstMarker;
            ImageControl& marker = chain[element];
            marker.move(at->x - model.width(), at->y - model.height());
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

void placeProblemMarkers(MapWindow& map, DrawErrors& errors) {
    placeEmptyTagMarkers(map, errors);
    placeQuestMarkers(map, errors);
    placeChainMarkers(map, errors);
}

} // namespace render
