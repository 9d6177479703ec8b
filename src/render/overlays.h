#pragma once
// The texts printed over the drawn map after the problem markers: the captions of the area
// labels ("Area Tags") and the names of places. Both print on p1 at its current position.

#include "basic/numbers.h"

namespace render {

class DrawContext;

// With Check4 ticked and area labels loaded: the caption of every lab2(k), k = 1..lab2Count,
// at size 9 in lab2(0)'s fore colour, at the screen point of item k - 1 of List2(0) and
// List2(1) (map units; a missing item counts as 0), each staying on its line. A label that is
// not loaded is passed over.
void areaTagLabels(DrawContext& c);
// The same at another size and in another colour.
void drawAreaTagLabels(DrawContext& c, double fontSize, basic::Long colour);

// Every line of placeList ("node#text", lines joined by CR LF) but the piece after the last
// line break, in the place font at its node: a named place (a text holding the character 31)
// at size 8 in RGB(0,114,188); any other at size 8, or above zoom 2 at 8 x zoom x 0.5 to the
// nearest whole number within 8..10, in RGB(80,80,80). A line without "#", or whose number is
// no node, is passed over.
void placeLabels(DrawContext& c);

} // namespace render
