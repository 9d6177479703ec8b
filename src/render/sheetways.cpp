#include "render/sheetways.h"

#include "basic/colour.h"
#include "render/authorlabels.h"
#include "render/detailpass.h"
#include "render/drawcontext.h"
#include "render/linepasses.h"
#include "render/pencodes.h"
#include "render/waypass.h"
#include "window/mapwindow.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace render {

using basic::Long;
using basic::qbColor;
using basic::rgb;

namespace {

constexpr double kLabelFontSize = 7;
constexpr basic::Single kWholeBelowMB = 600;

const Long kRail = rgb(117, 117, 117);
const Long kTrack = rgb(201, 161, 81);

// The way's author label at the end of the segment just drawn, in the author colour, and its
// author noted in List1.
void authorLabel(DrawContext& c, Long i) {
    platform::PictureBox& p1 = c.p1;
    const Long pen = p1.foreColor();
    p1.setForeColor(qbColor(kLabelColour));
    p1.setFontSize(kLabelFontSize);
    printAuthorLabel(c, i, std::nullopt);
    p1.setForeColor(pen);
    c.noteAuthor(c.data.wayUser[static_cast<std::size_t>(i)]);
}

void generalWay(DrawContext& c, Long i) {
    core::MapData& d = c.data;
    platform::PictureBox& p1 = c.p1;
    const std::size_t way = static_cast<std::size_t>(i);
    const double colour = d.wayColour[way];
    const basic::Integer style = d.wayLineStyle[way];
    if (colour == 0 || d.wayLabelX[way] != 0 || d.wayNodes[way].empty() || c.lists.onWaterwayList[way]) return;
    const bool rail = colour == kRail;
    p1.setForeColor(style > 0 || colour == qbColor(kWhite) ? 0 : basic::clng(colour));
    p1.setDrawStyle(style < kMaxStyle ? style : platform::drawstyle::Solid);
    p1.setDrawWidth(sheetInnerWidth(d.wayWidth[way], style, colour, c.global.viewZoom));
    const Long pen = p1.foreColor();
    // A dashed railway is drawn black, yet culled like any colour.
    const bool whole = rail && pen == 0 ? d.fileSizeMB < kWholeBelowMB : drawnWhole(pen, d.fileSizeMB, kWholeBelowMB);
    // A labelled way is drawn wherever it lies: its label may reach into the picture from beside
    // it, and its author is listed either way.
    std::function<void()> label;
    if (c.global.authorOverlay < 0) label = [&] { authorLabel(c, i); };
    drawPlainWay(c, i, whole, rail, label);
}

} // namespace

int sheetOuterWidth(basic::Integer wayWidth, basic::Integer lineStyle, basic::Single viewZoom) {
    int w = wayWidth;
    if (w > 1) w = basic::clng(static_cast<double>(w) * viewZoom * 0.5);
    if (w < 7) w = lineStyle == 1 ? 1 : 7;
    return std::min(w, 13);
}

int sheetInnerWidth(basic::Integer wayWidth, basic::Integer lineStyle, double colour, basic::Single viewZoom) {
    if (colour == kRail) return 2;
    int w = wayWidth;
    if (w > 1) w = basic::clng(static_cast<double>(w) * viewZoom * 0.3);
    if (w < 5) {
        w = lineStyle == 0 ? 5 : 1;
        if (colour == kTrack) w = 3;
    } else {
        w = std::min(w, 8);
    }
    return std::max(w - 3, 1);
}

void sheetAllWaysPass(DrawContext& c) {
    core::MapData& d = c.data;
    platform::PictureBox& p1 = c.p1;
    const auto& drawColour = d.wayDrawColour();
    drawClassWays(c, kWholeBelowMB, [&](std::size_t way) {
        const double colour = d.wayColour[way];
        if (colour == qbColor(kWhite) || colour == rgb(255, 20, 20) || colour == qbColor(kMagenta)) return false;
        p1.setDrawWidth(sheetOuterWidth(d.wayWidth[way], d.wayLineStyle[way], c.global.viewZoom));
        p1.setForeColor(basic::clng(drawColour[way]));
        return true;
    });
}

void sheetWaterwayPass(DrawContext& c) {
    drawWaterways(c, [&](basic::Integer wayWidth) {
        const int w = basic::clng(static_cast<double>(wayWidth) * c.global.viewZoom * 0.3);
        return w < 5 ? (wayWidth < 3 ? 2 : 5) : std::min(w, 8);
    });
}

void sheetCasingPass(DrawContext& c) {
    platform::PictureBox& p1 = c.p1;
    forEachBridge(c, [&](Long i, std::size_t way, basic::Integer style) {
        p1.setForeColor(style > 0 ? rgb(180, 180, 180) : rgb(50, 20, 75));
        p1.setDrawWidth(deckWidth(c.data.wayWidth[way], style, c.global.viewZoom) + 4);
        c.drawWay(i, nullptr);
    });
}

void sheetGeneralPass(DrawContext& c) {
    for (Long i = 1; i <= c.data.wayCount; ++i) {
        c.yield();
        generalWay(c, i);
    }
}

void sheetDeckPass(DrawContext& c) {
    platform::PictureBox& p1 = c.p1;
    p1.setDrawMode(kCopyPen); // even with no bridges
    forEachBridge(c, [&](Long i, std::size_t way, basic::Integer style) {
        const int w = deckWidth(c.data.wayWidth[way], style, c.global.viewZoom, 1);
        const bool railBridge = c.data.wayColour[way] == kRail;
        c.forEachSegment(i, [&](std::size_t, Long a, Long b) {
            p1.setDrawWidth(w);
            p1.setForeColor(rgb(210, 210, 210));
            p1.setDrawStyle(style);
            c.line(a, b);
            if (!railBridge) return;
            p1.setForeColor(qbColor(kWhite));
            p1.setDrawWidth(1);
            c.line(a, b);
        });
    });
}

} // namespace render
