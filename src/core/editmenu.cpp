#include "core/editmenu.h"

#include "basic/numbers.h"
#include "prefs/preferences.h"
#include "prefs/settingsfile.h"
#include "render/snap.h"
#include "window/layout.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"

namespace core {

void med_Click(MapWindow& map, int) {
    if (map.data.mapLoading) return;
    prefs::Preferences dialog(map.global);
    runPreferences(map, dialog);
}

// The map is drawn anew whenever p1 takes the background colour (a new colour, or the Planning
// Sheet's white giving way): the colour clears p1, and the still copy in front of it must go
// once p1 holds the map again.
void runPreferences(MapWindow& map, prefs::Preferences& dialog) {
    Settings& s = map.global.settings;
    s.fontSizeChanged = false;
    dialog.show(true);
    if (s.fontSizeChanged) render::snap(map);
    placezoom(map);
    prefs::saveSettingsFromWindow(map, map.global.settingsPath);
    bool drawAnew = s.fontSizeChanged;
    const Long colour = basic::clng(s.backColour);
    if (map.view.p1.backColor() != colour) {
        map.view.p2.setBackColor(colour);
        render::snap(map);
        map.view.p1.setBackColor(colour);
        map.view.Picture1.setBackColor(colour);
        drawAnew = true;
    }
    if (!drawAnew) return;
    redrawMap(map);
    render::hideSnap(map);
}

void connectEditMenu(MapWindow& map) {
    map.menus.med.onClick = [&map](int index) { med_Click(map, index); };
}

} // namespace core
