#include "render/overlays.h"

#include "basic/colour.h"
#include "basic/numbers.h"
#include "basic/val.h"
#include "render/drawcontext.h"
#include "window/mapwindow.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace render {
namespace {

using basic::Long;

constexpr double kAreaTagSize = 9;
constexpr double kPlaceSize = 8;
constexpr double kLargestPlaceSize = 10;
constexpr basic::Single kPlacesGrowFromZoom = 2;
constexpr char kNamedPlaceMark = '\x1F';
constexpr std::string_view kLineBreak = "\r\n";

// The node a place line names: its leading number, halves to even; -1 for none.
Long nodeOfPiece(std::string_view piece) {
    const double node = basic::roundHalfEven(basic::val(piece));
    if (!(node >= 0 && node <= INT32_MAX)) return -1;
    return static_cast<Long>(node);
}

double placeSize(basic::Single viewZoom) {
    if (!(viewZoom > kPlacesGrowFromZoom)) return kPlaceSize;
    const double grown = basic::roundHalfEven(kPlaceSize * static_cast<double>(viewZoom) * 0.5);
    return std::clamp(grown, kPlaceSize, kLargestPlaceSize);
}

void placeLabel(DrawContext& c, std::string_view line, double otherSize) {
    const std::size_t hash = line.find('#');
    if (hash == std::string_view::npos) return;
    const Long n = nodeOfPiece(line.substr(0, hash));
    if (!c.isNode(n)) return;
    std::string_view text = line.substr(hash + 1);
    text = text.substr(0, text.find('#'));
    platform::PictureBox& p1 = c.p1;
    p1.setCurrentX(c.x(n));
    p1.setCurrentY(c.y(n));
    if (text.find(kNamedPlaceMark) != std::string_view::npos) {
        p1.setFontSize(kPlaceSize);
        p1.setForeColor(basic::rgb(0, 114, 188));
    } else {
        p1.setForeColor(basic::rgb(80, 80, 80));
        p1.setFontSize(otherSize);
    }
    p1.print(text);
}

} // namespace

void areaTagLabels(DrawContext& c) {
    if (c.map.legendPanel.Check4.value() != 1 || c.data.lab2Count <= 0) return;
    basic::Long colour = 0;
    c.errors.run([&] { colour = c.map.markers.lab2[core::kMarkerTemplate].foreColor(); });
    drawAreaTagLabels(c, kAreaTagSize, colour);
}

void drawAreaTagLabels(DrawContext& c, double fontSize, basic::Long colour) {
    core::Markers& m = c.map.markers;
    const Long count = c.data.lab2Count;
    if (c.map.legendPanel.Check4.value() != 1 || count <= 0) return;
    platform::PictureBox& p1 = c.p1;
    c.errors.run([&] { p1.setFontSize(fontSize); });
    c.errors.run([&] { p1.setForeColor(colour); });
    const Long last = std::min<Long>(count, m.lab2.ubound());
    for (Long k = 1; k <= last; ++k) {
        if (!m.lab2.exists(static_cast<int>(k))) continue;
        c.errors.run([&] {
            const int item = static_cast<int>(k - 1);
            p1.setCurrentX(basic::val(m.List2[core::kLabelXList].list(item)) * c.global.viewZoom +
                           c.global.viewOffX);
            p1.setCurrentY(basic::val(m.List2[core::kLabelYList].list(item)) * c.global.viewZoom +
                           c.global.viewOffY);
            p1.print(m.lab2[static_cast<int>(k)].caption(), false);
        });
    }
}

void placeLabels(DrawContext& c) {
    std::string_view list = c.data.placeList;
    if (list.empty()) return;
    c.errors.run([&] { c.p1.setFontName(c.global.settings.fontNames[core::kPlaceFont]); });
    const double otherSize = placeSize(c.global.viewZoom);
    for (std::size_t end = list.find(kLineBreak); end != std::string_view::npos;
         end = list.find(kLineBreak)) {
        const std::string_view line = list.substr(0, end);
        list.remove_prefix(end + kLineBreak.size());
        c.errors.run([&] { placeLabel(c, line, otherSize); });
    }
}

} // namespace render
