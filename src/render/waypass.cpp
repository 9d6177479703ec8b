#include "render/waypass.h"

#include "basic/colour.h"
#include "render/drawcontext.h"
#include "render/pencodes.h"
#include "window/mapwindow.h"

#include <algorithm>

namespace render {

using basic::Long;

namespace {

constexpr int kFirstOwnPassLayer = 10;
constexpr basic::Single kWholeBelowMB = 2;

} // namespace

int wayPenWidth(int widthClass, basic::Single viewZoom, basic::Single fileSizeMB) {
    int w = widthClass;
    if (w > 1) w = basic::clng(static_cast<double>(viewZoom) * w * 0.5);
    if (viewZoom > 1 && w > 1 && w < 7) w = 7;
    if (viewZoom < 3 && fileSizeMB < 3) w -= 2;
    return std::clamp(w, 1, 8);
}

bool drawnWhole(Long penColour, basic::Single fileSizeMB, basic::Single wholeBelowMB) {
    return penColour == 0 || penColour == basic::qbColor(kMagenta) ||
           penColour == basic::rgb(181, 208, 208) || fileSizeMB < wholeBelowMB;
}

void drawClassWays(DrawContext& c, basic::Single wholeBelowMB, const std::function<bool(std::size_t)>& pen) {
    core::MapData& d = c.data;
    platform::PictureBox& p1 = c.p1;
    p1.setDrawStyle(platform::drawstyle::Solid);
    for (Long i = 1; i <= d.wayCount; ++i) {
        c.yield();
        const std::size_t way = static_cast<std::size_t>(i);
        if (d.wayLabelX[way] != 0 || d.wayLayer[way] <= 0 || d.wayLayer[way] >= kFirstOwnPassLayer) continue;
        if (!pen(way)) continue;
        c.drawWay(i, drawnWhole(p1.foreColor(), d.fileSizeMB, wholeBelowMB) ? nullptr : &c.windows.ways);
    }
}

void allWaysPass(DrawContext& c) {
    core::MapData& d = c.data;
    platform::PictureBox& p1 = c.p1;
    const auto& drawColour = d.wayDrawColour();
    drawClassWays(c, kWholeBelowMB, [&](std::size_t way) {
        if (drawColour[way] <= 0) return false;
        c.errors.run([&] { p1.setForeColor(basic::clng(drawColour[way])); });
        const int w = wayPenWidth(d.wayWidth[way], c.global.viewZoom, d.fileSizeMB);
        if (d.wayLineStyle[way] == 0) d.wayWidth[way] = static_cast<basic::Integer>(w);
        p1.setDrawWidth(w);
        return true;
    });
}

} // namespace render
