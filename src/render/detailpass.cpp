#include "render/detailpass.h"

#include "basic/colour.h"
#include "render/authorlabels.h"
#include "render/drawcontext.h"
#include "render/pencodes.h"
#include "render/waypass.h"
#include "window/mapwindow.h"

#include <algorithm>

namespace render {

using basic::Long;
using basic::qbColor;
using basic::rgb;

namespace {

constexpr int kLabelFontSize = 9;
constexpr basic::Integer kHideErrors = 1;

// The way's colour in the "Hide Errors" style; false for a way that is left out there.
bool hideErrorsColour(double& colour) {
    if (colour == 0) return false;
    if (colour == rgb(255, 20, 20))
        colour = qbColor(kWhite);
    else if (colour == qbColor(kMagenta))
        colour = qbColor(0);
    return true;
}

// The stored width after the inner-line adjustment.
basic::Integer adjustedWidth(basic::Integer width, basic::Integer style, double colour, bool isRail,
                             basic::Single viewZoom) {
    if (isRail) return basic::addInteger(width, 4);
    int w = width;
    if (w > 1) w = basic::clng(static_cast<double>(viewZoom) * w * 0.3);
    if (w >= 5) return std::min<basic::Integer>(width, 8);
    if (style > 0 || viewZoom <= 1) width = 1;
    if (colour == rgb(201, 161, 81)) width = 7;
    if (colour == rgb(136, 136, 136) || colour == rgb(55, 55, 55)) width = 1;
    return width;
}

// The way's label at the end of its middle segment, and its author noted in List1.
void wayLabel(DrawContext& c, Long i) {
    c.noteAuthor(c.data.wayUser[static_cast<std::size_t>(i)]);
    if (c.global.authorOverlay >= 0) return;
    platform::PictureBox& p1 = c.p1;
    const basic::Long pen = p1.foreColor();
    p1.setFontSize(kLabelFontSize);
    p1.setForeColor(qbColor(kLabelColour));
    c.errors.run([&] { printAuthorLabel(c, i, std::nullopt); });
    p1.setForeColor(pen);
}

void detailWay(DrawContext& c, Long i) {
    core::MapData& d = c.data;
    platform::PictureBox& p1 = c.p1;
    const std::size_t way = static_cast<std::size_t>(i);
    if (d.wayNodes[way].empty() || d.wayLabelX[way] != 0 || c.lists.onWaterwayList[way]) return;
    double& colour = d.wayColour[way];
    const bool isRail = colour == rgb(117, 117, 117);
    if (d.mapMode == kHideErrors && !hideErrorsColour(colour)) return;
    const basic::Integer style = d.wayLineStyle[way];
    p1.setDrawStyle(platform::drawstyle::Solid);
    if (style < kMaxStyle) c.errors.run([&] { p1.setDrawStyle(style); });
    if (style > 0 && !(c.global.viewZoom >= static_cast<basic::Single>(d.fileSizeMB * 0.5f))) return;

    c.errors.run(
        [&] { d.wayWidth[way] = adjustedWidth(d.wayWidth[way], style, colour, isRail, c.global.viewZoom); });
    p1.setDrawWidth(std::max(d.wayWidth[way] - 4, 1));
    c.errors.run([&] { p1.setForeColor(basic::clng(colour)); });
    const Long pen = p1.foreColor();
    // A railway is grey, so a black pen is never a railway's: black ways are drawn whole too.
    const bool whole = drawnWhole(pen, d.fileSizeMB);
    if (pen == 0) p1.setDrawWidth(2);

    drawPlainWay(c, i, whole, isRail, [&] { wayLabel(c, i); });
}

} // namespace

void drawPlainWay(DrawContext& c, Long i, bool whole, bool rail, const std::function<void()>& middleDrawn) {
    // A way without a label that inks nothing leaves only its pens and the current position.
    const bool beside = whole && !middleDrawn && c.passedBeside(i);
    if (!beside) {
        const std::size_t middle = middleSegment(c.nodesOf(i).size());
        DrawContext::Stroke stroke(c);
        c.forEachSegment(i, [&](std::size_t j, Long a, Long b) {
            if (!whole && !c.windows.ways.contains(c.x(a), c.y(a))) return;
            stroke.line(a, b);
            if (j != middle) return;
            if (middleDrawn) middleDrawn();
            stroke.interrupt();
        });
    }
    if (!rail) return;
    platform::PictureBox& p1 = c.p1;
    p1.setDrawWidth(1);
    p1.setForeColor(qbColor(kWhite));
    p1.setDrawStyle(platform::drawstyle::Dash);
    c.drawWay(i, nullptr);
}

std::size_t middleSegment(std::size_t nodes) {
    return nodes < 2 ? 0 : std::min(nodes / 2, nodes - 2);
}

void detailPass(DrawContext& c) {
    for (Long i = 1; i <= c.data.wayCount; ++i) {
        c.yield();
        c.p1.setForeColor(0);
        detailWay(c, i);
    }
}

} // namespace render
