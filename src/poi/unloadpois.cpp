#include "poi/unloadpois.h"

#include "window/mapwindow.h"

namespace poi {

void unloadpois(core::MapWindow& map) {
    core::ImageArray& arrows = map.markers.pointr;
    arrows.unloadLoaded(1, arrows.ubound());
    map.data.pointrList.assign(1, '#'); // the empty list
    map.data.pointrCount = 0;
    map.search.List3[core::kCategorySearch].clear();
    map.search.List3[core::kNameSearch].clear();
}

} // namespace poi
