#include "render/polygonclip.h"

#include <cstddef>

namespace render {
namespace {

// The part of the polygon on the kept side of one edge of the frame: the line where the x
// (vertical) or y coordinate equals bound.
std::vector<QPointF> clipToLine(const std::vector<QPointF>& corners, bool vertical, double bound, bool keepBelow) {
    const auto value = [vertical](const QPointF& p) { return vertical ? p.x() : p.y(); };
    const auto kept = [&](const QPointF& p) { return keepBelow ? value(p) <= bound : value(p) >= bound; };
    std::vector<QPointF> out;
    for (std::size_t k = 0; k < corners.size(); ++k) {
        const QPointF& a = corners[k];
        const QPointF& b = corners[(k + 1) % corners.size()];
        if (kept(a)) out.push_back(a);
        if (kept(a) != kept(b)) out.push_back(a + (b - a) * ((bound - value(a)) / (value(b) - value(a))));
    }
    return out;
}

} // namespace

std::vector<QPointF> clipPolygon(std::vector<QPointF> corners, const QRectF& frame) {
    corners = clipToLine(corners, true, frame.left(), false);
    corners = clipToLine(corners, true, frame.right(), true);
    corners = clipToLine(corners, false, frame.top(), false);
    return clipToLine(corners, false, frame.bottom(), true);
}

} // namespace render
