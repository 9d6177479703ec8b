#include "core/mapredraw.h"

#include "import/projectdata.h"
#include "poi/categories.h"
#include "poi/countpanel.h"
#include "render/planningsheet.h"
#include "render/reload.h"
#include "render/unloading.h"
#include "window/mapwindow.h"

namespace core {

bool reloadMap(MapWindow& map) {
    const osmimport::ProjectData& file = render::readProject(map);
    render::unload_(map);
    return render::takeProject(map, file);
}

void reloadSheet(MapWindow& map) {
    const osmimport::ProjectData& file = render::readProject(map);
    render::unload_(map);
    render::takeProjectForSheet(map, file);
}

void drawMap(MapWindow& map, const render::StepObserver& observer) {
    if (render::planningSheetShown(map)) {
        render::drawPlanningSheet(map, [&] { reloadSheet(map); }, observer);
        return;
    }
    render::MapDrawing drawing(map, observer);
    if (!drawing.reload([&] { return reloadMap(map); })) return;
    if (drawing.countsRead()) {
        drawing.run([&] {
            poi::showicons(map, map.global.settings.poiMode);
            map.data.catShown[poi::kStationCategory] = basic::vbTrue;
        });
    }
    drawing.drawMarkers();
    if (map.global.reloadTrailer) {
        poi::showtot(map, 0);
        map.global.reloadTrailer = false;
    }
}

} // namespace core
