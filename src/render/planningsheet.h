#pragma once
// The Planning Sheet drawing (map style 2): the map on white, greyed and plain for printing.
// Like redraw it brings the data model back from the project file on every call, but draws no
// flood fills, problem markers or one-way arrows; the search arrows stand at their hits as on the
// normal map. redraw hands every call over to it while the Planning Sheet style is chosen.

#include "render/redraw.h"

namespace core {
class MapWindow;
}

namespace render {

// Draws the current project file as a Planning Sheet. Nothing when no file is open, while a
// drawing runs, or when no project file is named yet; "Can't find '" & path & "'" when it is
// missing or its path holds "*". The passes run twice when the picture's top corners come out
// alike (on the white sheet they normally do), the POI icons are placed once, on the final
// picture. The first fault shows its description and ends the drawing; a file that does not
// read whole leaves the data model as it was. Every way out leaves the window usable: drawBusy
// clear, p1 enabled and visible, the wheel timer on, the hourglass off.
//
// `readBack` is the caller's reading of the project file into the data model, run once the
// window is busy; a fault it raises ends the drawing with the data model as it was.
// The observer is told each step as redraw's is; the steps of the repeated run end in " again".
// The system's name: redraw2.
void drawPlanningSheet(core::MapWindow& map, const std::function<void()>& readBack, const StepObserver& observer = {});

} // namespace render
