#pragma once
// The flood fill of one colour area, `refld`: the inside of the outline the area pass has just
// drawn, flooded from the seed point with the area's fill colour up to the outline's colour
// (the pen colour p1 still holds), and then, with the author overlay on, the way's author and
// date printed there and the author noted in List1.
//
// Nothing is flooded or printed below zoom 0.6, after Cancel, with a pen mode other than copy
// pen, for an area recorded in leakedAreas, or for a seed outside the flood-seed window of
// p1's units. Fill styles 6 and 7 flood hatched, every other style solid. Faults inside are
// skipped silently.

#include "basic/numbers.h"

namespace render {

class DrawContext;

// Whether a flood fill ran (the leak test looks only after one did).
bool refld(DrawContext& c, basic::Long wayIndex);

} // namespace render
