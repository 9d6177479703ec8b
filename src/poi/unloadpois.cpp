#include "poi/unloadpois.h"

#include "core/mapwindow.h"

namespace poi {

void unloadpois(core::MapWindow& map) {
    core::ImageArray& arrows = map.markers.pointr;
    // From the top down, so that unloading the highest element never moves the ones below.
    for (int i = arrows.ubound(); i >= 1; --i) {
        if (arrows.exists(i)) arrows.unload(i);
    }
    map.d.pointrList.assign(1, '#'); // the empty list
    map.d.pointrCount = 0;
    map.search.List3[core::kCategorySearch].clear();
    map.search.List3[core::kNameSearch].clear();
}

} // namespace poi
