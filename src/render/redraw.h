#pragma once
// The map redraw driver: every change of view or display ends here. It checks that there is a
// map to draw, marks the program busy, brings the data model back from the project file, runs
// the drawing passes in their fixed order on the map picture `p1`, and ends the busy state.

#include "basic/fault.h"
#include "platform/dialogs.h"

#include <utility>

namespace core {
class MapWindow;
}

namespace render {

// The one error path of a drawing: the first fault of a call shows its description, every
// fault skips only its own statement, and no second message is shown in the same call.
class DrawErrors {
public:
    template <class F> void run(F&& statement) {
        try {
            std::forward<F>(statement)();
        } catch (const basic::RuntimeFault& fault) {
            if (shown_) return;
            shown_ = true;
            platform::dialogs().msgBox(fault.description());
        }
    }

private:
    bool shown_ = false;
};

// Draws the current project file at the current view. Nothing when no file is open, while a
// drawing runs, or when no project file is named yet; "Can't find '" & path & "'" when the
// project file is missing or its path holds "*". Clears cancelRequested first. While it draws,
// drawBusy is set, p1 takes no mouse input, the wheel timer `tm2` is off and the hourglass on;
// the end undoes all of them, so the wheel timer runs again.
void redraw(core::MapWindow& map);

} // namespace render
