#include "render/areaflood.h"

#include "basic/colour.h"
#include "render/authorlabels.h"
#include "render/drawcontext.h"
#include "render/pencodes.h"
#include "window/mapwindow.h"
#include "window/resume.h"

namespace render {
namespace {

using basic::Long;

constexpr basic::Single kFloodZoom = 0.6f;
constexpr int kAnnotationFontSize = 9;
constexpr int kAnnotationColour = 1;

} // namespace

bool refld(DrawContext& c, Long wayIndex) {
    const core::Global& g = c.global;
    if (g.viewZoom < kFloodZoom || g.cancelRequested || g.penMode != kCopyPen ||
        c.leakedWays.contains(wayIndex))
        return false;
    const std::size_t way = static_cast<std::size_t>(wayIndex);
    platform::PictureBox& p1 = c.p1;
    bool flooded = false;
    core::resumeNext([&] {
        const float seedX = static_cast<float>(g.viewZoom * c.data.wayLabelX[way] + g.viewOffX);
        const float seedY = static_cast<float>(g.viewZoom * c.data.wayLabelY[way] + g.viewOffY);
        const Long sx = basic::clng(seedX);
        const Long sy = basic::clng(seedY);
        if (!c.windows.floodSeeds.contains(static_cast<float>(sx), static_cast<float>(sy))) return;
        const Long px = basic::clng(p1.toPixelX(sx));
        const Long py = basic::clng(p1.toPixelY(sy));
        const int keptStyle = p1.fillStyle();
        const Long border = p1.foreColor();
        core::resumeNext([&] { p1.setFillColor(basic::clng(c.data.wayFill[way])); });
        c.yield();
        const int style = c.data.wayFillArg[way];
        core::resumeNext([&] { p1.setFillStyle(style < 6 ? platform::fillstyle::Solid : style); });
        flooded = c.flood.fill(p1, px, py, border, p1.brush());
        c.yield();
        p1.setFillStyle(keptStyle);
        if (g.authorOverlay >= 0) return;
        core::resumeNext([&] {
            p1.setForeColor(basic::qbColor(kAnnotationColour));
            p1.setFontSize(kAnnotationFontSize);
        });
        c.noteAuthor(c.data.wayUser[way]);
        // The date of an area goes at its seed's height.
        core::resumeNext([&] { printAuthorLabel(c, wayIndex, static_cast<float>(sy)); });
    });
    return flooded;
}

} // namespace render
