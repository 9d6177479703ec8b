#include "render/unloading.h"

#include "window/mapwindow.h"
#include "window/markertable.h"

namespace render {

void unload_(core::MapWindow& map) {
    core::Markers& m = map.markers;
    core::MapData& d = map.data;
    core::unloadMarkers(m, d, [](core::MarkerKind) { return true; });
    // All three, the widths too: a width left over would go into the next project file.
    for (int i = 0; i < 3; ++i)
        m.List2[i].clear();
    // The per-file totals, which no control array bounds, the counts of placed markers 32-bit.
    d.amenFlagLen = 0;
    for (basic::Long* counter :
         {&d.amenityTotal, &d.fixmeCount, &d.buildingCount, &d.questAreaCount, &d.chainExtraCount})
        *counter = 0;
    d.trailerText.clear();
}

} // namespace render
