#include "platform/gdiregion.h"

#include "platform/canvas.h"
#include "platform/gdiarith.h"
#include "platform/gdibrush.h"
#include "platform/gdipen.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

using gdi::Wide;

// An edge while it crosses the rows being scanned. Its boundary column at row y is the first
// pixel whose centre lies at or right of the crossing: ceil(crossing − 0.5), kept exactly as
// column + rem / denominator and stepped by a fixed quotient and remainder per row.
struct ActiveEdge {
    std::int64_t column;
    std::int64_t rem; // 0 <= rem < denominator
    std::int64_t denominator;
    std::int64_t columnStep;
    std::int64_t remStep; // 0 <= remStep < denominator
    int yBottom;
    int winding;
};

struct Crossing {
    std::int64_t column;
    int winding;
};

} // namespace

Region::Region(std::span<const QPoint> points, PolyFillMode mode) : mode_(mode) {
    const size_t n = points.size();
    for (size_t i = 0; i < n && n >= 3; ++i) {
        const QPoint a = points[i];
        const QPoint b = points[(i + 1) % n];
        if (a.y() == b.y()) continue; // no row centre lies on a horizontal edge
        const bool down = a.y() < b.y();
        const QPoint upper = down ? a : b;
        const QPoint lower = down ? b : a;
        edges_.push_back(Edge{upper.y(), lower.y(), upper, lower, down ? 1 : -1});
    }
    std::sort(edges_.begin(), edges_.end(), [](const Edge& l, const Edge& r) { return l.yTop < r.yTop; });
}

void Region::forEachSpan(const QRect& clip, const std::function<void(int y, int x0, int x1)>& paint) const {
    if (edges_.empty() || clip.isEmpty()) return;
    std::vector<ActiveEdge> active;
    std::vector<Crossing> crossings;
    size_t next = 0;
    const int yEnd = clip.bottom() + 1;
    const std::int64_t left = clip.left();
    const std::int64_t right = std::int64_t(clip.right()) + 1;
    auto paintClipped = [&](int y, std::int64_t x0, std::int64_t x1) {
        x0 = std::max(x0, left);
        x1 = std::min(x1, right);
        if (x0 < x1) paint(y, static_cast<int>(x0), static_cast<int>(x1));
    };

    for (int y = std::max(clip.top(), edges_.front().yTop); y < yEnd; ++y) {
        for (; next < edges_.size() && edges_[next].yTop <= y; ++next) {
            const Edge& e = edges_[next];
            if (e.yBottom <= y) continue;
            // crossing − 0.5 = upper.x + ((2(y − upper.y) + 1)·dx − dy) / 2dy
            const Wide dx = Wide(e.lower.x()) - e.upper.x();
            const Wide twoDy = 2 * (Wide(e.lower.y()) - e.upper.y());
            const Wide numerator = (2 * (Wide(y) - e.upper.y()) + 1) * dx - twoDy / 2;
            const Wide column = gdi::ceilDiv(numerator, twoDy);
            const Wide columnStep = gdi::floorDiv(2 * dx, twoDy);
            // ceil(N / D) = floor((N + D − 1) / D): keep the remainder of N + D − 1.
            const Wide shifted = numerator + twoDy - 1;
            active.push_back(
                ActiveEdge{static_cast<std::int64_t>(e.upper.x() + column),
                           static_cast<std::int64_t>(shifted - gdi::floorDiv(shifted, twoDy) * twoDy),
                           static_cast<std::int64_t>(twoDy), static_cast<std::int64_t>(columnStep),
                           static_cast<std::int64_t>(2 * dx - columnStep * twoDy), e.yBottom, e.winding});
        }
        std::erase_if(active, [y](const ActiveEdge& e) { return e.yBottom <= y; });
        if (active.empty()) {
            if (next == edges_.size()) break;
            continue;
        }

        crossings.clear();
        for (const ActiveEdge& e : active)
            crossings.push_back(Crossing{e.column, e.winding});
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.column < r.column; });
        if (mode_ == PolyFillMode::Alternate) {
            for (size_t i = 0; i + 1 < crossings.size(); i += 2)
                paintClipped(y, crossings[i].column, crossings[i + 1].column);
        } else {
            int winding = 0;
            std::int64_t start = 0;
            for (const Crossing& c : crossings) {
                if (winding == 0) start = c.column;
                winding += c.winding;
                if (winding == 0) paintClipped(y, start, c.column);
            }
        }

        for (ActiveEdge& e : active) {
            e.column += e.columnStep;
            e.rem += e.remStep;
            if (e.rem >= e.denominator) {
                e.rem -= e.denominator;
                ++e.column;
            }
        }
    }
}

Region createPolygonRegion(std::span<const QPoint> points, PolyFillMode mode) {
    return Region(points, mode);
}

void fillRegion(Canvas& canvas, const Region& region, const Brush& brush) {
    if (brush.paintsNothing() || region.isEmpty()) return;
    QImage& image = canvas.image();
    region.forEachSpan(image.rect(), [&](int y, int x0, int x1) { brush.paintSpan(image, y, x0, x1); });
    canvas.canvasChanged();
}

void polygon(Canvas& canvas, std::span<const QPoint> points) {
    if (points.size() < 2) return;
    QImage& image = canvas.image();
    const Brush brush = canvas.brush();
    if (!brush.paintsNothing()) {
        Region(points, PolyFillMode::Alternate).forEachSpan(image.rect(), [&](int y, int x0, int x1) {
            brush.paintSpan(image, y, x0, x1);
        });
    }
    const Pen pen = canvas.pen();
    for (size_t i = 0; i < points.size(); ++i)
        drawLine(image, pen, points[i], points[(i + 1) % points.size()]);
    canvas.canvasChanged();
}

} // namespace platform
