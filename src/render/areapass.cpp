#include "render/areapass.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "import/indexlist.h"
#include "platform/gdiregion.h"
#include "render/areaflood.h"
#include "render/drawcontext.h"
#include "render/polygonclip.h"
#include "window/mapwindow.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <cmath>
#include <vector>

namespace render {
namespace {

using basic::Long;

constexpr double kPatternTiles = 30; // pattern styles are 1..29
constexpr Long kLightenOutline = 0x303030;
constexpr int kLeakProbe = 10;

int outlineWidth(const DrawContext& c) {
    return c.floodAllowed ? 1 : 3;
}

// The polygon of a pattern area whose seed lies in the area window, filled with its tile, or,
// with pattern fill off, in its outline colour lightened by &H303030.
void drawPatternArea(DrawContext& c, Long i, const std::vector<QPoint>& corners) {
    const std::size_t way = static_cast<std::size_t>(i);
    const float sx = c.screenX(c.data.wayLabelX[way]);
    const float sy = c.screenY(c.data.wayLabelY[way]);
    if (!c.windows.areas.contains(sx, sy)) return;
    platform::PictureBox& p1 = c.p1;
    const double outline = c.data.wayDrawColour()[way];
    const bool patternFill = c.global.settings.patternFill != 0;
    if (!patternFill) {
        c.errors.run([&] { p1.setFillColor(basic::clng(outline + kLightenOutline)); });
        p1.setFillStyle(platform::fillstyle::Solid);
    }
    p1.setDrawStyle(platform::drawstyle::Solid);
    p1.setDrawWidth(2);
    c.errors.run([&] { p1.setForeColor(basic::clng(outline)); });
    platform::polygon(p1, corners);
    if (!patternFill) return;
    c.errors.run([&] {
        const platform::Region region = platform::createPolygonRegion(corners);
        c.yield();
        const int tile = basic::cint(c.data.wayFill[way]);
        platform::fillRegion(p1, region, platform::Brush::pattern(c.map.stores.picTile[tile].picture()));
        c.yield();
    });
}

// The outline of a colour area, segment by segment; whether every segment was drawn.
bool drawOutline(DrawContext& c, Long i) {
    bool inWindow = true;
    DrawContext::Stroke stroke(c);
    const bool valid = c.forEachSegment(i, [&](std::size_t, Long a, Long b) {
        if (c.windows.areas.contains(c.x(a), c.y(a)))
            stroke.line(a, b);
        else
            inWindow = false;
    });
    return valid && inWindow;
}

// Whether a flood ran out of its outline: both top corners show the same colour, and it is not
// the background.
bool leaked(const DrawContext& c) {
    const platform::PictureBox& p1 = c.p1;
    const double w = p1.scaleWidth();
    const Long left = p1.point(kLeakProbe, kLeakProbe);
    const Long right = p1.point(w - kLeakProbe, kLeakProbe);
    return left == right && left != basic::clng(c.global.settings.backColour);
}

// Draws area i; whether its flood fill leaked.
bool drawArea(DrawContext& c, Long i) {
    const std::size_t way = static_cast<std::size_t>(i);
    const double fill = c.data.wayFill[way];
    c.errors.run(
        [&] { c.p1.setForeColor(basic::clng(c.floodAllowed ? c.data.wayDrawColour()[way] : fill)); });
    if (isPatternFill(fill)) {
        // A pattern area draws no outline of its own; with fewer than three corners it draws
        // nothing, as there is no outline to flood either.
        const std::vector<QPoint> corners = areaCorners(c, i);
        if (corners.size() > 2) {
            drawPatternArea(c, i, corners);
            c.p1.setDrawWidth(outlineWidth(c));
        }
        return false;
    }
    const bool complete = drawOutline(c, i);
    // An area without a fill colour is outlined only.
    if (!c.floodAllowed || !complete || fill <= 0) return false;
    return refld(c, i) && c.floodAllowed && leaked(c);
}

// One round over list A on a cleared picture; whether a leak asks for another.
bool drawAreas(DrawContext& c) {
    platform::PictureBox& p1 = c.p1;
    c.errors.run([&] { p1.cls(); });
    if (c.data.areaList.empty()) return false;
    p1.setDrawStyle(platform::drawstyle::Solid);
    c.errors.run([&] { p1.setDrawMode(c.global.penMode); });
    p1.setDrawWidth(outlineWidth(c));
    for (const Long i : c.lists.areas) {
        c.yield();
        if (i == osmimport::kNotANumber) {
            c.notANumber();
            continue;
        }
        if (!c.isWay(i)) continue;
        if (!drawArea(c, i)) continue;
        c.data.leakedAreas += "#" + basic::dec(i) + "#";
        c.leakedWays.insert(i);
        c.floodAllowed = false;
        return true;
    }
    return false;
}

} // namespace

bool isPatternFill(double fill) {
    return fill > 0 && fill < kPatternTiles;
}

std::vector<QPoint> areaCorners(DrawContext& c, Long i) {
    std::vector<QPointF> exact;
    bool farCorner = false;
    const auto nodes = c.nodesOf(i);
    for (std::size_t j = 0; j + 1 < nodes.size(); ++j) {
        const Long a = nodes[j];
        if (!c.isNode(a)) {
            if (a == osmimport::kNotANumber || nodes[j + 1] == osmimport::kNotANumber) c.notANumber();
            continue;
        }
        if (c.placeable(a)) {
            exact.emplace_back(c.pixel(a));
            continue;
        }
        const QPointF far(c.p1.toPixelX(c.x(a)), c.p1.toPixelY(c.y(a)));
        if (std::isfinite(far.x()) && std::isfinite(far.y())) {
            exact.push_back(far);
            farCorner = true;
        } else {
            c.errors.run([] { basic::raise(basic::fault::Overflow); });
        }
    }
    // A corner beyond any pixel (a node far outside the data's bounds) is clipped to a frame
    // around the picture, a picture wide on every side, which the polygon fills as it would whole.
    if (farCorner) {
        const double w = c.p1.pixelWidth();
        const double h = c.p1.pixelHeight();
        exact = clipPolygon(std::move(exact), QRectF(-w, -h, 3 * w, 3 * h));
    }
    std::vector<QPoint> corners;
    corners.reserve(exact.size() + 1);
    for (const QPointF& corner : exact)
        corners.emplace_back(static_cast<int>(std::nearbyint(corner.x())), static_cast<int>(std::nearbyint(corner.y())));
    if (!corners.empty()) corners.push_back(corners.front());
    return corners;
}

void areaPass(DrawContext& c) {
    // A leak clears flood filling, so the second round cannot leak again.
    if (drawAreas(c)) drawAreas(c);
}

} // namespace render
