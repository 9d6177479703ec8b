#pragma once
// The all-ways pass: every line feature of draw class 1..9 (roads, streets, service ways,
// steps, construction and private ways) as a polyline in its main colour, with a pen width that
// follows the zoom and the file size. A solid way keeps the width it was drawn with in wayWidth
// for the later passes of the redraw. For files of 2 MB and more, segments that start outside
// the way window are left out, except for black, magenta and water-coloured ways.

#include "basic/numbers.h"

#include <cstddef>
#include <functional>

namespace render {

class DrawContext;

// The pen width of a way of width class `widthClass` at the zoom and file size.
int wayPenWidth(int widthClass, basic::Single viewZoom, basic::Single fileSizeMB);

// Whether the window test is left out for a way of this pen colour in a file of this size:
// black, magenta and water blue always, any colour in a file below `wholeBelowMB`.
bool drawnWhole(basic::Long penColour, basic::Single fileSizeMB, basic::Single wholeBelowMB = 2);

// The loop of the all-ways passes: for every way of draw class 1..9 that is no area, yielding
// between ways, pen(way) sets p1's pen or returns false to leave the way out; the way is then
// drawn, leaving out segments that start outside the way window unless drawnWhole(pen colour,
// file size, wholeBelowMB).
void drawClassWays(DrawContext& c, basic::Single wholeBelowMB, const std::function<bool(std::size_t)>& pen);

void allWaysPass(DrawContext& c);

} // namespace render
