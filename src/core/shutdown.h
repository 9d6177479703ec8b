#pragma once
// Closing the main window: the settings are saved on every close request, an unsaved route is
// confirmed, and the markers made at run time are unloaded before the window goes.

#include <memory>

namespace core {

class MapWindow;

// Writes the settings file (a failure is shown and does not stop the close). With an unsaved
// route asks "Your route has not been saved. Are you sure you want to exit?" (Yes, No, Cancel):
// any answer but Yes sets `cancel` and the window stays open with the route as it was.
// Otherwise the markers are unloaded and the close goes on.
void Form_QueryUnload(MapWindow& map, bool& cancel);

// Connects it to the main window's close request.
void connectShutDown(MapWindow& map);

// The end of the process, once the event loop is over and every file is written: the web-map
// window goes now (the web engine's pages must go before its profile), the rest of the window
// and the loaded model stay until the process ends, when the system takes their memory back
// at once instead of the program freeing it piece by piece. The window stays reachable, so it
// is not counted as a leak.
void keepUntilExit(std::unique_ptr<MapWindow> map);

} // namespace core
