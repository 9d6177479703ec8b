#pragma once
// What a drawing asks of the subsystems above the drawing: the category cells and the problem
// counts of a newly opened file, and the GPX points or the route. The wiring sets them once when
// it builds the main window; a call that is not set does nothing.

#include "basic/numbers.h"

#include <functional>

namespace core {
class MapWindow;
}

namespace render {

class DrawErrors;

struct RedrawCalls {
    // The first drawing of a file, once its count captions are read back: every category cell
    // painted for `poiMode` (showicons).
    std::function<void(core::MapWindow&, basic::Integer poiMode)> showCategoryCells;
    // The end of that drawing: the problem counts written from the marker counters (showtot).
    std::function<void(core::MapWindow&)> showProblemCounts;
    // The layer after the search arrows: the GPX points or the route.
    std::function<void(core::MapWindow&, DrawErrors&)> drawGpxOrRoute;
};

void setRedrawCalls(RedrawCalls calls);
const RedrawCalls& redrawCalls();

} // namespace render
