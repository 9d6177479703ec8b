#include "routes/routeconnect.h"

#include "routes/routemenu.h"
#include "window/mapwindow.h"

namespace routes {

void connectRouteHandlers(core::MapWindow& map, SaveRoute saveRoute) {
    core::Menus& menus = map.menus;
    menus.mnewr.onClick = [&map](int index) { mnewr_Click(map, index); };
    menus.madd.onClick = [&map](int index) { madd_Click(map, index); };
    menus.mdel.onClick = [&map] { mdel_Click(map); };
    menus.mrt.onClick = [&map, saveRoute = std::move(saveRoute)](int index) { mrt_Click(map, index, saveRoute); };

    platform::ControlArray<platform::ImageControl>& rout = map.toolbars.rout;
    rout.onMouseDown = [&map](int index, int, int, double, double) { rout_MouseDown(map, index); };
    rout.onMouseUp = [&map](int index, int, int, double, double) { rout_MouseUp(map, index); };

    core::Markers& m = map.markers;
    m.plt.onMouseDown = [&map](int index, int button, int, double x, double y) {
        plt_MouseDown(map, index, button, x, y);
    };
    m.plt.onMouseMove = [&map](int index, int, int, double, double) { plt_MouseMove(map, index); };
    m.plt.onDblClick = [&map](int) { plt_DblClick(map); };
    m.plt.onDragCancel = [&map](int) { plt_DragCancel(map); };

    // A marker dropped on an icon or a problem marker lands on the map beneath it.
    platform::PictureBox& p1 = map.view.p1;
    p1.setOwnsChildDrags(true);
    p1.onDragOver = [&map](platform::Control&, double x, double y, int) { p1_DragOver(map, x, y); };
    p1.onDragDrop = [&map](platform::Control& source, double x, double y) { p1_DragDrop(map, source, x, y); };
}

} // namespace routes
