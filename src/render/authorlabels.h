#pragma once
// The author and date labels of ways: who edited a way, and when, printed at p1's current print
// position, as the author overlay (authorOverlay -1 authors, -2 dates only), the chosen author
// (authorFilter), the date filter box Text6 and "Show Dates" (Check5) say:
// - a date filter shows only ways whose date holds its text; with an author chosen, only that
//   author's ways, whose author is printed; without, the author when authors are on;
// - without a date filter, a chosen author shows only that author's ways, and only with authors
//   on; without a chosen author, the author when authors are on;
// and after the author the date, when "Show Dates" is ticked. An author is printed as the first
// four characters of the name and a blank; the texts follow one another on the line.

#include "basic/numbers.h"

#include <optional>

namespace render {

class DrawContext;

// Prints the label of way i in p1's current colour and font. Without a filter or a chosen
// author the date goes at `dateY` when one is given.
void printAuthorLabel(DrawContext& c, basic::Long i, std::optional<float> dateY);

} // namespace render
