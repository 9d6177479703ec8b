#include "platform/floodfill.h"

#include "platform/canvas_flood.h"

namespace platform {

bool extFloodFill(Canvas& canvas, int x, int y, basic::Long borderColour, const Brush& brush) {
    FloodFiller filler;
    return filler.fill(canvas, x, y, borderColour, brush);
}

} // namespace platform
