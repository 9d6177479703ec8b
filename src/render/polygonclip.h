#pragma once
// Clipping a closed polygon to a rectangle, for polygons with a corner too far off the picture
// for a device pixel (a node far outside the data's bounds): what the polygon covers inside the
// rectangle stays as it was.

#include <QPointF>
#include <QRectF>
#include <vector>

namespace render {

// The polygon through `corners` (closed implicitly, last to first) cut to `frame`, corner by
// corner in the same turn; empty when nothing of it lies inside.
std::vector<QPointF> clipPolygon(std::vector<QPointF> corners, const QRectF& frame);

} // namespace render
