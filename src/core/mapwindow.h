#pragma once
// The main window `map`: owns the form, the program-wide state `g`, the window-level data model
// `d` and the controls, grouped by panel. It holds no procedures of its own: start-up, layout,
// the legend and every subsystem work on it through free functions taking MapWindow&.
//
// The members are made in the order that stacks the windowed controls as they must lie: the
// viewport lowest, then the strips, the legend panel, the zoom buttons, and the floating panels
// on top.

#include "core/busypanel.h"
#include "core/global.h"
#include "core/legendpanel.h"
#include "core/legendstrip.h"
#include "core/mapdata.h"
#include "core/markers.h"
#include "core/menus.h"
#include "core/problempanel.h"
#include "core/searchpanels.h"
#include "core/sidestrips.h"
#include "core/stores.h"
#include "core/toolbars.h"
#include "core/viewport.h"
#include "platform/form.h"

namespace core {

class MapWindow {
public:
    // Builds the window and its controls as designed and connects its handlers; nothing is
    // loaded or shown (Form_Load runs on the form's first load).
    MapWindow();
    ~MapWindow();
    MapWindow(const MapWindow&) = delete;
    MapWindow& operator=(const MapWindow&) = delete;

    platform::Form form{"map"};
    Global g;
    MapData d;

    Menus menus{form};
    Viewport view{form};
    SideStrips strips{form};
    LegendStrip legendStrip{form, strips};
    LegendPanel legendPanel{form};
    Toolbars toolbars{form};
    ProblemPanel problems{form};
    SearchPanels search{form, problems.Label1};
    ProgressPanel progress{form};
    Markers markers{form, view, strips};
    PictureStores stores{form};
};

} // namespace core
