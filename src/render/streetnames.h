#pragma once
// Street names along their ways: with the street-name option on and the map zoomed in past 2,
// the name of every way of the street-name list is printed once, at the node the import chose,
// turned to the way's direction, in a bold face of the street font.

#include "basic/numbers.h"

#include <string_view>

namespace platform {
class Canvas;
}

namespace render {

class DrawContext;

// The label size of the name passes: labelFontSize + viewZoom x 0.6, to the nearest whole
// number (halves to even), at most `largest` (16 on the normal map, 20 on the Planning Sheet).
basic::Integer drawFontSize(basic::Integer labelFontSize, basic::Single viewZoom, basic::Integer largest = 16);

// Prints `text` on p1 from (x, y) in p1's units, turned counter-clockwise by `escapement`
// tenths of a degree about the top-left of its cell, in a bold font of `face` whose cell is
// `height` pixels high; then ends the line. p1's own font selection is put back afterwards.
void drawrotatedtext(platform::Canvas& p1, std::string_view text, basic::Single x, basic::Single y,
                     std::string_view face, basic::Long height, basic::Long escapement);

// The street names of list F, every piece of it that is not empty naming a way: only with
// Check1 ticked and viewZoom above `fromZoom`; a name is printed at `fontSize` when its node lies
// within the street-name window of p1, 20 units above the node, in RGB(0,159,222) when it begins
// with the character 31 (a waterway) and RGB(82,82,82) otherwise. A list piece that names no way, or a way whose name node is no node, is passed
// over; a fault takes the error path of that name.
void drawStreetNames(DrawContext& c, basic::Single fromZoom, basic::Integer fontSize);

// The street-name pass of the normal map, after the bridge decks: above zoom 2, at drawFontSize.
void streetNamePass(DrawContext& c);

} // namespace render
