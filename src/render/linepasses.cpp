#include "render/linepasses.h"

#include "basic/colour.h"
#include "render/drawcontext.h"
#include "render/pencodes.h"
#include "window/mapwindow.h"

#include <algorithm>

namespace render {

using basic::Long;
using basic::rgb;

namespace {

constexpr std::string_view kEmptyList = "#";

} // namespace

int deckWidth(basic::Integer wayWidth, basic::Integer lineStyle, basic::Single viewZoom, int inset) {
    int w = std::min(basic::clng(static_cast<double>(viewZoom) * wayWidth * 0.5), 8);
    w -= inset;
    if (w < 2) w = 1;
    if (lineStyle > 0) w = 1;
    return w;
}

void drawWaterways(DrawContext& c, const std::function<int(basic::Integer wayWidth)>& penWidth) {
    if (c.data.waterwayList == kEmptyList) return;
    platform::PictureBox& p1 = c.p1;
    p1.setForeColor(rgb(181, 208, 208));
    c.forEachListedWay(c.lists.waterways, [&](Long i) {
        p1.setDrawStyle(platform::drawstyle::Solid);
        p1.setDrawMode(kCopyPen);
        const int w = penWidth(c.data.wayWidth[static_cast<std::size_t>(i)]);
        if (w == 0) return;
        p1.setDrawWidth(w);
        c.drawWay(i, nullptr);
    });
}

void forEachBridge(DrawContext& c, const std::function<void(Long i, std::size_t way, basic::Integer style)>& draw) {
    if (c.data.bridgeList == kEmptyList) return;
    platform::PictureBox& p1 = c.p1;
    p1.setDrawStyle(platform::drawstyle::Solid);
    p1.setDrawMode(kCopyPen);
    c.forEachListedWay(c.lists.bridges, [&](Long i) {
        const std::size_t way = static_cast<std::size_t>(i);
        draw(i, way, c.data.wayLineStyle[way]);
    });
}

void waterwayPass(DrawContext& c) {
    drawWaterways(c, [&](basic::Integer wayWidth) {
        const int w = std::max(wayWidth - 2, 2);
        return c.global.viewZoom < 2.5f && w < 3 ? 0 : w;
    });
}

void casingPass(DrawContext& c) {
    if (!(c.global.viewZoom > 1.5f)) return;
    platform::PictureBox& p1 = c.p1;
    forEachBridge(c, [&](Long i, std::size_t way, basic::Integer style) {
        int w = deckWidth(c.data.wayWidth[way], style, c.global.viewZoom);
        if (c.global.viewZoom > 1.2f) w += 6;
        p1.setForeColor(style < 1 ? rgb(100, 100, 100) : rgb(239, 239, 153));
        p1.setDrawWidth(w);
        c.drawWay(i, nullptr);
    });
}

void railwayPass(DrawContext& c) {
    if (!(c.global.viewZoom > 2) || c.data.tramList == kEmptyList) return;
    platform::PictureBox& p1 = c.p1;
    p1.setForeColor(rgb(82, 33, 77));
    p1.setDrawStyle(platform::drawstyle::Solid);
    p1.setDrawWidth(2);
    c.forEachListedWay(c.lists.railways, [&](Long i) { c.drawWay(i, nullptr); });
}

void powerLinePass(DrawContext& c) {
    if (c.data.boundaryList == kEmptyList) return;
    platform::PictureBox& p1 = c.p1;
    p1.setForeColor(rgb(96, 92, 168));
    p1.setDrawWidth(1);
    p1.setDrawStyle(platform::drawstyle::DashDotDot);
    c.forEachListedWay(c.lists.lines, [&](Long i) { c.drawWay(i, nullptr); });
    p1.setDrawMode(kCopyPen);
}

void deckPass(DrawContext& c) {
    if (!(c.global.viewZoom > 2)) return;
    platform::PictureBox& p1 = c.p1;
    const Long railGrey = rgb(117, 117, 117);
    forEachBridge(c, [&](Long i, std::size_t way, basic::Integer style) {
        const int w = deckWidth(c.data.wayWidth[way], style, c.global.viewZoom);
        const Long deck = c.data.wayExtraColour[way] ? basic::clng(*c.data.wayExtraColour[way]) : 0;
        const bool railBridge = c.data.wayColour[way] == railGrey;
        auto deckPen = [&] {
            c.errors.run([&] { p1.setForeColor(deck); });
            p1.setDrawWidth(w);
            c.errors.run([&] { p1.setDrawStyle(style); });
        };
        deckPen();
        if (!railBridge) {
            c.drawWay(i, nullptr);
            return;
        }
        // Deck, grey bed and white centre line, segment by segment.
        c.forEachSegment(i, [&](std::size_t, Long a, Long b) {
            deckPen();
            c.line(a, b);
            p1.setForeColor(railGrey);
            p1.setDrawWidth(10);
            c.line(a, b);
            p1.setForeColor(rgb(255, 255, 255));
            p1.setDrawWidth(1);
            c.line(a, b);
        });
    });
}

} // namespace render
