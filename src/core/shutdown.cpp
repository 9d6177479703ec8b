#include "core/shutdown.h"

#include "platform/dialogs.h"
#include "prefs/settingsfile.h"
#include "render/unloading.h"
#include "window/mapwindow.h"
#include "window/resume.h"

namespace core {

void Form_QueryUnload(MapWindow& map, bool& cancel) {
    resumeNext([&] { prefs::saveSettingsFromWindow(map, map.global.settingsPath); });
    if (map.data.routeUnsaved) {
        const int answer = platform::dialogs().msgBox(
            "Your route has not been saved. Are you sure you want to exit?", platform::msgbox::YesNoCancel);
        if (answer != platform::msgbox::Yes) {
            cancel = true;
            return;
        }
    }
    resumeNext([&] { render::unload_(map); });
}

void connectShutDown(MapWindow& map) {
    map.form.onQueryUnload = [&map](bool& cancel) { Form_QueryUnload(map, cancel); };
}

void keepUntilExit(std::unique_ptr<MapWindow> map) {
    static std::unique_ptr<MapWindow>* const kept = new std::unique_ptr<MapWindow>;
    map->google.reset();
    *kept = std::move(map);
}

} // namespace core
