#pragma once
// The map drawn in order, which the one redraw call (window/redrawrequest.h) runs: the Planning
// Sheet's drawing, or the normal drawing's reload, then, when the reload read a new file's
// counts, the category cells painted for poiMode (station cells shown) before the markers are
// placed, and the problem counts written from the marker counters once the drawing is done.

#include "render/redraw.h"

namespace core {

class MapWindow;

// The benchmark gives an observer to time the steps; redrawMap gives none.
void drawMap(MapWindow& map, const render::StepObserver& observer = {});

} // namespace core
