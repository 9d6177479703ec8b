#pragma once
// The detail pass: over every plain way (no area, not a waterway) an inner line in the way's
// colour, narrower than the line below it, in the way's pen style; white dashes over railways;
// the author and date label at the middle segment. In the "Hide Errors" style, ways of colour 0
// get no inner line, red ways turn white and magenta ways black. The pass writes the colour and
// the adjusted width back into wayColour and wayWidth, for the bridge decks and until the next
// reload.

#include "basic/numbers.h"

#include <cstddef>
#include <functional>

namespace render {

class DrawContext;

// The segment of a way of `nodes` nodes that carries its label: the middle one, and the only
// one of a way of two nodes.
std::size_t middleSegment(std::size_t nodes);

// Way i segment by segment in p1's pen, leaving out segments that start outside the way window
// unless `whole`; middleDrawn() runs after the middle segment, where the label goes. A railway
// is then drawn again as white dashes 1 pixel wide. A way drawn whole without middleDrawn that
// would ink nothing on the picture is passed over (DrawContext::passedBeside).
void drawPlainWay(DrawContext& c, basic::Long i, bool whole, bool rail, const std::function<void()>& middleDrawn);

void detailPass(DrawContext& c);

} // namespace render
