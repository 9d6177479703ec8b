#pragma once
// What a drawing asks of the subsystems above the drawing: the GPX points or the route, drawn
// between the search arrows and the one-way arrows. The wiring sets it once when it builds the
// main window; a call that is not set does nothing.

#include <functional>

namespace core {
class MapWindow;
}

namespace render {

class DrawErrors;

struct RedrawCalls {
    // The layer after the search arrows: the GPX points or the route.
    std::function<void(core::MapWindow&, DrawErrors&)> drawGpxOrRoute;
};

void setRedrawCalls(RedrawCalls calls);
const RedrawCalls& redrawCalls();

} // namespace render
