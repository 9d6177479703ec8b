#include "render/sheetareas.h"

#include "basic/colour.h"
#include "platform/gdiregion.h"
#include "render/areapass.h"
#include "render/drawcontext.h"
#include "render/makemask.h"
#include "render/rgbtog.h"
#include "window/mapwindow.h"

#include <QPoint>
#include <vector>

namespace render {
namespace {

using basic::Long;

constexpr int kPlainTile = 6;
constexpr int kBuildingTile = 22;
// Below this a colour value is too dark to be the area's own: the outline's grey is taken.
constexpr double kDarkestFillColour = 30;
constexpr int kPolygonOutline = 2;

void drawPolygon(DrawContext& c, SheetBrushes& brushes, Long i, const std::vector<QPoint>& corners) {
    const std::size_t way = static_cast<std::size_t>(i);
    const core::MapData& d = c.data;
    platform::PictureBox& p1 = c.p1;
    const double outline = d.wayDrawColour()[way];
    p1.setDrawStyle(platform::drawstyle::Solid);
    p1.setDrawWidth(kPolygonOutline);
    p1.setForeColor(basic::clng(outline));
    if (c.global.settings.patternFill == 0) {
        const double colour = d.wayColour[way];
        p1.setFillColor(basic::clng(greyOf(colour > kDarkestFillColour ? colour : outline)));
        p1.setFillStyle(platform::fillstyle::Solid);
        platform::polygon(p1, corners);
        return;
    }
    p1.setFillStyle(platform::fillstyle::Transparent);
    platform::polygon(p1, corners);
    const platform::Region region = platform::createPolygonRegion(corners);
    if (!region.isEmpty()) platform::fillRegion(p1, region, brushes.forFill(c, d.wayFill[way]));
}

void drawArea(DrawContext& c, SheetBrushes& brushes, Long i, bool repeated) {
    core::MapData& d = c.data;
    const std::size_t way = static_cast<std::size_t>(i);
    double& fill = d.wayFill[way];
    if (fill == basic::rgb(188, 169, 169)) fill = kBuildingTile;
    // A polygon's fill stays within its corners, as a line does within its pen's reach.
    if (c.probing() && !c.mayReach(i)) return;
    c.p1.setForeColor(basic::clng(repeated ? fill : d.wayDrawColour()[way]));
    if (!isPatternFill(fill)) {
        DrawContext::Stroke stroke(c);
        c.forEachSegment(i, [&](std::size_t, Long a, Long b) {
            if (c.windows.areas.contains(c.x(a), c.y(a))) stroke.line(a, b);
        });
        return;
    }
    // A polygon needs three corners; the closing one repeats the first.
    const std::vector<QPoint> corners = areaCorners(c, i);
    if (corners.size() < 4) return;
    if (!c.windows.areas.contains(c.screenX(d.wayLabelX[way]), c.screenY(d.wayLabelY[way]))) return;
    drawPolygon(c, brushes, i, corners);
}

} // namespace

const platform::Brush& SheetBrushes::forFill(DrawContext& c, double fill) {
    const bool masked = fill > 1 && fill < kBuildingTile;
    const int tile = !masked ? (fill <= 1 ? kPlainTile : kBuildingTile) : basic::cint(fill);
    const auto key = std::make_pair(masked, tile);
    if (const auto found = brushes_.find(key); found != brushes_.end()) return found->second;
    auto& tiles = c.map.stores.picTile;
    if (masked)
        makemask(tiles[tile], tiles[0]);
    else
        tiles[0].setPicture(tiles[tile].picture());
    return brushes_.emplace(key, platform::Brush::pattern(tiles[0].picture())).first->second;
}

void sheetAreaPass(DrawContext& c, SheetBrushes& brushes, bool repeated) {
    platform::PictureBox& p1 = c.p1;
    if (c.data.areaList.empty()) return;
    const int outline = repeated ? 3 : 1;
    p1.setDrawStyle(platform::drawstyle::Solid);
    p1.setDrawMode(c.global.penMode);
    p1.setDrawWidth(outline);
    c.forEachListedWay(c.lists.areas, [&](Long i) {
        drawArea(c, brushes, i, repeated);
        p1.setDrawWidth(outline);
    });
}

} // namespace render
