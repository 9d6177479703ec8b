#pragma once
// The main window `map`: owns the form, the program-wide state `g`, the window-level data model
// `d` and the controls, grouped by panel. It holds no procedures of its own: start-up, layout,
// the legend and every subsystem work on it through free functions taking MapWindow&.
//
// The members are made in the order that stacks the windowed controls as they must lie: the
// viewport lowest, then the strips, the legend panel, the zoom buttons, and the floating panels
// on top.

#include "platform/form.h"
#include "window/busypanel.h"
#include "window/global.h"
#include "window/legendpanel.h"
#include "window/legendstrip.h"
#include "window/mapdata.h"
#include "window/markers.h"
#include "window/menus.h"
#include "window/problempanel.h"
#include "window/searchpanels.h"
#include "window/sidestrips.h"
#include "window/stores.h"
#include "window/toolbars.h"
#include "window/viewport.h"

#include <memory>

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
    Global global;
    MapData data;

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

    // The web-map window `google`, made on first use; it goes before the controls above.
    std::unique_ptr<platform::Form> google;
};

} // namespace core
