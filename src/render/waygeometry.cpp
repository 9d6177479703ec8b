#include "render/waygeometry.h"

#include "import/indexlist.h"
#include "window/mapdata.h"

#include <algorithm>
#include <cstddef>

namespace render {

using basic::Long;
using osmimport::indexPieces;

DrawingLists readDrawingLists(const core::MapData& d) {
    DrawingLists lists;
    lists.areas = indexPieces(d.areaList, 0);
    lists.bridges = indexPieces(d.bridgeList, 1);
    lists.waterways = indexPieces(d.waterwayList, 1);
    lists.railways = indexPieces(d.tramList, 1);
    lists.lines = indexPieces(d.boundaryList, 1);
    lists.onWaterwayList.assign(static_cast<std::size_t>(std::max<Long>(d.wayCount, 0)) + 1, false);
    // "#" & i & "#" occurs wherever i stands between two "#": the pieces list C is read as.
    for (Long way : lists.waterways)
        if (way >= 0 && way <= d.wayCount) lists.onWaterwayList[static_cast<std::size_t>(way)] = true;
    return lists;
}

} // namespace render
