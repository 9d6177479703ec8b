#pragma once
// The border flood fill of the drawing surface, in device pixels.

#include "basic/numbers.h"

namespace platform {

class Brush;
class Canvas;

// Fills, with the brush, every pixel that is 4-connected to the seed (x, y) through pixels whose
// colour is not the border colour; only exact border-colour pixels (compared on their 24 colour
// bits) and the image edge stop it. Because the fill spreads only sideways and up and down, a
// closed one-pixel outline stops it even where the outline steps diagonally.
//
// The area is found on the image as it was before the fill, through a mask of the pixels
// already reached, so a brush whose colour equals the area's colour, or equals the border
// colour, or a hatched brush that leaves pixels unchanged, still fills each pixel once and ends.
// Linear in the size of the filled area.
//
// Returns false, changing nothing, when the seed lies outside the image or on a border-colour
// pixel; true otherwise.
bool extFloodFill(Canvas& canvas, int x, int y, basic::Long borderColour, const Brush& brush);

} // namespace platform
