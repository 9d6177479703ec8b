#pragma once
// The area pass, the first drawing pass: every area of list A on a cleared picture, below all
// ways. A pattern area is a polygon through its nodes painted with its pattern tile; a colour
// area is an outline flooded from its seed point (areaflood.h). When a flood runs out of its
// outline (both top corners of the picture take the same colour, not the background), the area
// is recorded in leakedAreas, flood filling stops for this redraw and the pass starts once more
// on a cleared picture, drawing colour areas as 3-pixel outlines in their fill colours.

#include "basic/numbers.h"

#include <QPoint>
#include <vector>

namespace render {

class DrawContext;

void areaPass(DrawContext& c);

// Whether an area's fill value is a pattern tile (1..29) rather than a colour.
bool isPatternFill(double fill);

// The corners of a polygon area in device pixels: the start of every segment whose start node
// is valid, then the first corner again. A vertex whose node is invalid is left out.
std::vector<QPoint> areaCorners(DrawContext& c, basic::Long i);

} // namespace render
