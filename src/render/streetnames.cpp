#include "render/streetnames.h"

#include "basic/colour.h"
#include "basic/val.h"
#include "platform/canvas.h"
#include "render/drawcontext.h"
#include "window/mapwindow.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace render {
namespace {

using basic::Long;
using basic::Single;

constexpr Single kNamesFromZoom = 2;
constexpr Single kAboveNode = 20;
constexpr int kBold = 700;
constexpr char kWaterwayMark = '\x1F';

// The way a piece of the street-name list names: its leading number, halves to even.
Long wayOfPiece(std::string_view piece) {
    const double way = basic::roundHalfEven(basic::val(piece));
    if (!(way >= 0 && way <= INT32_MAX)) return -1;
    return static_cast<Long>(way);
}

void drawName(DrawContext& c, Long i, basic::Integer fontSize) {
    const core::MapData& d = c.data;
    const auto way = static_cast<std::size_t>(i);
    if (!c.isWay(i) || way >= d.wayNameNode.size() || way >= d.wayName.size()) return;
    const Long n = d.wayNameNode[way];
    if (!c.isNode(n)) return;
    const Single x = c.x(n);
    const Single y = c.y(n);
    if (!c.windows.streetNames.contains(x, y)) return;
    const std::string& name = d.wayName[way];
    const bool waterway = !name.empty() && name.front() == kWaterwayMark;
    c.p1.setForeColor(waterway ? basic::rgb(0, 159, 222) : basic::rgb(82, 82, 82));
    const Long angle = way < d.wayNameAngle.size() ? d.wayNameAngle[way] : 0;
    drawrotatedtext(c.p1, name, x, y - kAboveNode, c.global.settings.fontNames[core::kStreetFont], fontSize,
                    basic::mulLong(angle, 10));
}

} // namespace

basic::Integer drawFontSize(basic::Integer labelFontSize, Single viewZoom, basic::Integer largest) {
    const basic::Integer size = basic::cint(labelFontSize + static_cast<double>(viewZoom) * 0.6);
    return std::min(size, largest);
}

void drawrotatedtext(platform::Canvas& p1, std::string_view text, Single x, Single y, std::string_view face,
                     Long height, Long escapement) {
    platform::LogFont font;
    font.heightPx = height;
    font.escapementTenths = escapement;
    font.weight = kBold;
    font.face = std::string(face);
    std::optional<platform::LogFont> kept = p1.selectFont(std::move(font));
    p1.setCurrentX(x);
    p1.setCurrentY(y);
    try {
        p1.print(text);
    } catch (...) {
        p1.selectFont(std::move(kept));
        throw;
    }
    p1.selectFont(std::move(kept));
}

void drawStreetNames(DrawContext& c, Single fromZoom, basic::Integer fontSize) {
    if (c.map.legendPanel.Check1.value() != 1 || !(c.global.viewZoom > fromZoom)) return;
    c.p1.setForeColor(basic::rgb(82, 82, 82));
    // Every piece that is not empty names a way, the first and the last included.
    std::string_view list = c.data.streetNameList;
    while (!list.empty()) {
        const std::size_t hash = list.find('#');
        const std::string_view piece = list.substr(0, hash);
        list.remove_prefix(hash == std::string_view::npos ? list.size() : hash + 1);
        if (!piece.empty()) c.errors.run([&] { drawName(c, wayOfPiece(piece), fontSize); });
    }
}

void streetNamePass(DrawContext& c) {
    drawStreetNames(c, kNamesFromZoom, drawFontSize(c.global.settings.labelFontSize, c.global.viewZoom));
}

} // namespace render
