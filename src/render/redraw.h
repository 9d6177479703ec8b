#pragma once
// The map's drawing: it checks that there is a map to draw, marks the program busy, brings the
// data model back from the project file, runs the drawing passes in their fixed order on the map
// picture `p1`, and ends the busy state. Every change of view or display asks for it through the
// one redraw call (window/redrawrequest.h).

#include "render/drawerrors.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace core {
class MapWindow;
}

namespace render {

using StepObserver = std::function<void(std::string_view step)>;

// A normal drawing of the current project file at the current view, in its two halves: the
// reload, then the passes and the markers. The one redraw entry of the wiring runs them, with
// the category cells between them and the problem counts after them when the reload read a
// new file's counts; the Planning Sheet has its own drawing (drawPlanningSheet).
//
// An observer, when given, is told the name of each step as it starts ("reload", then each
// pass, then "end" once the drawing is done); the benchmark times the steps with it.
class MapDrawing {
public:
    MapDrawing(core::MapWindow& map, StepObserver observer);
    MapDrawing(const MapDrawing&) = delete;
    MapDrawing& operator=(const MapDrawing&) = delete;
    ~MapDrawing();

    // Nothing when no file is open, while a drawing runs, or when no project file is named yet;
    // "Can't find '" & path & "'" when the project file is missing or its path holds "*"; in
    // these cases it gives false and the drawing ends here. Otherwise clears cancelRequested,
    // sets drawBusy, takes mouse input from p1, stops the wheel timer `tm2`, shows the hourglass
    // and runs `readBack`, the caller's reading of the project file into the data model, which
    // gives whether it read the count captions; a fault it raises (a file that cannot be read)
    // shows its one message and the drawing draws nothing. Gives true.
    bool reload(const std::function<bool()>& readBack);

    // The reload read the file's count captions (reloadTrailer was set): the category cells
    // are to be painted for poiMode before the markers are placed.
    bool countsRead() const { return countsRead_; }

    // A step of the caller's between the halves, under the drawing's rule for faults.
    template <class F> void run(F&& step) { errors_.run(std::forward<F>(step)); }

    // The passes and the marker layers, when the reload succeeded: a file that could not be
    // read leaves the picture and its markers as the last drawing left them. Then the busy
    // state ends: the wheel timer runs again.
    void drawMarkers();

private:
    core::MapWindow& map_;
    StepObserver observer_;
    std::string file_;
    DrawErrors errors_;
    bool busy_ = false;
    bool reloaded_ = false;
    bool countsRead_ = false;
};

// The Planning Sheet is the map style now chosen: its drawing is drawPlanningSheet.
bool planningSheetShown(const core::MapWindow& map);

} // namespace render
