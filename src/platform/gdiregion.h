#pragma once
// Polygon regions and polygons on the drawing surface, in device pixels.
//
// Pixel coverage of a filled polygon: the corners are pixel corners, and pixel (x, y) is filled
// when its centre (x + 0.5, y + 0.5) lies inside. A centre exactly on an edge counts as inside
// on a left edge and outside on a right edge, and no row centre ever lies on a horizontal edge,
// so the right and bottom edges are excluded: the square (0,0) (4,0) (4,4) (0,4) fills pixels
// 0..3 × 0..3, and two polygons sharing an edge never fill the same pixel.

#include <QPoint>
#include <QRect>
#include <functional>
#include <span>
#include <vector>

namespace platform {

class Brush;
class Canvas;

// Alternate (even-odd): a point is inside when a ray from it crosses the outline an odd number of
// times. Winding: inside when the outline winds around the point at all.
enum class PolyFillMode { Alternate = 1, Winding = 2 };

class Region {
public:
    Region() = default;
    Region(std::span<const QPoint> points, PolyFillMode mode);

    bool isEmpty() const { return edges_.empty(); }

    // Calls paint(y, x0, x1) for every run of inside pixels x0..x1 − 1 of the rows of clip,
    // top to bottom, each run clipped to clip. Runs are produced in time proportional to the
    // clipped rows times the edges crossing them.
    void forEachSpan(const QRect& clip, const std::function<void(int y, int x0, int x1)>& paint) const;

private:
    struct Edge {
        int yTop;     // first row whose centre the edge crosses
        int yBottom;  // one past the last such row
        QPoint upper; // end point with the smaller y
        QPoint lower;
        int winding; // +1 when the outline runs downward along this edge, −1 upward
    };
    std::vector<Edge> edges_; // sorted by yTop
    PolyFillMode mode_ = PolyFillMode::Alternate;
};

// The region of a closed polygon through the points (the last point joins the first).
Region createPolygonRegion(std::span<const QPoint> points, PolyFillMode mode = PolyFillMode::Alternate);

// Paints the region on the canvas with the brush.
void fillRegion(Canvas& canvas, const Region& region, const Brush& brush);

// The picture's polygon: the inside (alternate rule) with the canvas's brush (FillColor and
// FillStyle), then the closed outline with its pen (ForeColor, DrawWidth, DrawStyle). Fewer
// than two points draw nothing.
void polygon(Canvas& canvas, std::span<const QPoint> points);

} // namespace platform
