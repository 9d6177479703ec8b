#pragma once
// The area pass of the Planning Sheet: no flood fills. A pattern area (fill 1..29; a building's
// fill RGB(188,169,169) becomes tile 22 in memory) is a polygon outlined 2 pixels wide in its
// draw colour and filled with the grey of its colour (pattern fill off) or with a black-and-white
// mask of its tile (pattern fill on; tile 6 for a fill up to 1, tile 22 in colour from 22 on);
// the polygon is left out when its label point lies outside the area window or it has fewer
// than three valid corners. Any other area is outlined only, 1 pixel wide in its draw colour,
// and in the repeated drawing 3 pixels wide in its fill colour.

#include "platform/gdibrush.h"

#include <map>
#include <utility>

namespace render {

class DrawContext;

// The pattern brushes of one Planning Sheet drawing, each made once and kept for both runs.
class SheetBrushes {
public:
    // The brush of a pattern fill value 0 < fill < 30; picTile(0) holds its picture when made.
    const platform::Brush& forFill(DrawContext& c, double fill);

private:
    std::map<std::pair<bool, int>, platform::Brush> brushes_; // (masked, tile)
};

void sheetAreaPass(DrawContext& c, SheetBrushes& brushes, bool repeated);

} // namespace render
