#pragma once
// The map redraw driver: every change of view or display ends here. It checks that there is a
// map to draw, marks the program busy, brings the data model back from the project file, runs
// the drawing passes in their fixed order on the map picture `p1`, and ends the busy state.

#include "render/drawerrors.h"

#include <functional>
#include <string_view>

namespace core {
class MapWindow;
}

namespace render {

// Draws the current project file at the current view. Nothing when no file is open, while a
// drawing runs, or when no project file is named yet; "Can't find '" & path & "'" when the
// project file is missing or its path holds "*". Clears cancelRequested first. While it draws,
// drawBusy is set, p1 takes no mouse input, the wheel timer `tm2` is off and the hourglass on;
// the end undoes all of them, so the wheel timer runs again. A project file that cannot be read
// shows its one message and draws nothing: the picture and its markers stay as the last
// drawing left them.
//
// An observer, when given, is told the name of each step as it starts ("reload", then each
// pass, then "end" once the drawing is done); the benchmark times the steps with it.
using StepObserver = std::function<void(std::string_view step)>;
void redraw(core::MapWindow& map, const StepObserver& observer = {});

} // namespace render
