#include "core/navigation.h"

#include "window/mapwindow.h"

namespace core {

void connectNavigation(MapWindow& map) {
    Viewport& v = map.view;
    v.p1.onMouseDown = [&map](int button, int, double x, double y) { p1_MouseDown(map, button, x, y); };
    v.p1.onMouseMove = [&map](int button, int, double x, double y) { p1_MouseMove(map, button, x, y); };
    v.p1.onMouseUp = [&map](int button, int, double x, double y) { p1_MouseUp(map, button, x, y); };
    v.p2.onMouseDown = [&map](int, int, double, double) { p2_MouseDown(map); };
    v.p2.onMouseUp = [&map](int, int, double, double) { p2_MouseUp(map); };
    map.toolbars.Image4.onClick = [&map](int index) { Image4_Click(map, index); };
    // The wheel's gathered turns live with the timer that takes them.
    v.tm2.onTimer = [&map, wheel = WheelSteps{}]() mutable { tm2_Timer(map, wheel); };
}

} // namespace core
