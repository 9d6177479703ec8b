#pragma once
// The map drawn in order, which the one redraw call (window/redrawrequest.h) runs: the Planning
// Sheet's drawing, or the normal drawing's reload, then, when the reload read a new file's
// counts, the category cells painted for poiMode (station cells shown) before the markers are
// placed, and the problem counts written from the marker counters once the drawing is done.
// Each drawing's reload reads the project file, unloads what the last drawing loaded, then has
// the data model take the file, in that order: a file that cannot be read raises before
// anything is unloaded, so the last drawing stays as it was, markers and all.

#include "render/redraw.h"

namespace core {

class MapWindow;

// The benchmark gives an observer to time the steps; redrawMap gives none.
void drawMap(MapWindow& map, const render::StepObserver& observer = {});

// The normal drawing's reload: gives true when it read the count captions (reloadTrailer set).
bool reloadMap(MapWindow& map);

// The Planning Sheet's reload, which keeps no problem markers.
void reloadSheet(MapWindow& map);

} // namespace core
