#include "render/mapstyle.h"

#include "basic/numbers.h"
#include "render/snap.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"

namespace render {
namespace {

constexpr int kStyles = 3;

} // namespace

void mn_Click(core::MapWindow& map, int index) {
    if (map.data.mapLoading || index < 0 || index >= kStyles) return;
    map.data.mapMode = index;
    for (int style = 0; style < kStyles; ++style)
        map.menus.mn[style].setChecked(style == index);
    snap(map);
    map.view.p1.setBackColor(basic::clng(map.global.settings.backColour));
    core::redrawMap(map);
    hideSnap(map);
}

void connectMapStyle(core::MapWindow& map) {
    map.menus.mn.onClick = [&map](int index) { mn_Click(map, index); };
}

} // namespace render
