#include "core/mapredraw.h"

#include "poi/categories.h"
#include "poi/countpanel.h"
#include "render/redraw2.h"
#include "window/mapwindow.h"

namespace core {

void drawMap(MapWindow& map, const render::StepObserver& observer) {
    if (render::planningSheetShown(map)) {
        render::redraw2(map, observer);
        return;
    }
    render::MapDrawing drawing(map, observer);
    if (!drawing.reload()) return;
    if (drawing.countsRead()) {
        drawing.run([&] {
            poi::showicons(map, map.g.settings.poiMode);
            map.d.catShown[poi::kStationCategory] = basic::vbTrue;
        });
    }
    drawing.drawMarkers();
    if (map.g.reloadTrailer) {
        poi::showtot(map, 0);
        map.g.reloadTrailer = false;
    }
}

} // namespace core
