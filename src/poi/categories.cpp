#include "poi/categories.h"

#include "basic/colour.h"
#include "platform/hourglass.h"
#include "poi/countpanel.h"
#include "poi/orange.h"
#include "render/snap.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"

#include <cstdlib>

namespace poi {
namespace {

// The cells 0..22 of the strip; cell 22 (stations) has no button.
constexpr int kLastCell = 22;
constexpr int kStripDecoration = 4;
constexpr int kShowLabel = 1;
constexpr int kHideLabel = 0;

struct Look {
    int back[3];
    int border[3];
    int borderWidth;
};

// Indexed by CellLook.
constexpr Look kLooks[] = {
    {{255, 240, 20}, {0, 128, 0}, 2},
    {{255, 255, 192}, {0, 128, 0}, 1},
    {{240, 240, 240}, {128, 128, 255}, 1},
};

// A category's flag; a category no flag exists for is fault 9.
basic::Integer& shownFlag(core::MapWindow& map, int c) {
    if (c < 0 || c >= core::kCategoryCount) basic::raise(basic::fault::SubscriptOutOfRange);
    return map.data.catShown[static_cast<size_t>(c)];
}

} // namespace

void paintCell(platform::ShapeControl& cell, CellLook look) {
    const Look& l = kLooks[static_cast<int>(look)];
    cell.setBackColor(basic::rgb(l.back[0], l.back[1], l.back[2]));
    cell.setBorderColor(basic::rgb(l.border[0], l.border[1], l.border[2]));
    cell.setBorderWidth(l.borderWidth);
}

bool mapBusy(const core::MapWindow& map) {
    return map.data.drawBusy || map.data.mapLoading;
}

void showicons(core::MapWindow& map, int mode) {
    using core::resumeNext;
    platform::hourglassOn();
    resumeNext([&] { resety_n(map, mode); });
    auto& cells = map.legendStrip.Shape9;
    auto& shown = map.data.catShown;
    if (std::abs(mode) == 1) {
        for (int i = 0; i <= kLastCell; ++i)
            shown[static_cast<size_t>(i)] = basic::vbTrue;
        for (int i = 0; i <= kLastCell; ++i) {
            resumeNext(
                [&] { paintCell(cells[i], categoryCount(map, i) > 0 ? CellLook::On : CellLook::Empty); });
            resumeNext([&] { cells[i].zorder(1); });
        }
    } else {
        for (int i = 0; i < kLastCell; ++i) {
            shown[static_cast<size_t>(i)] = basic::vbFalse;
            resumeNext([&] { cells[i].setBorderWidth(1); });
        }
        for (int i = 0; i <= kLastCell; ++i) {
            resumeNext([&] {
                if (categoryCount(map, i) > 0)
                    paintCell(cells[i], i == kStationCategory ? CellLook::On : CellLook::Off);
            });
        }
    }
    resumeNext([&] { map.legendStrip.Shape4[kStripDecoration].zorder(1); });
    platform::hourglassOff();
}

void toggleCategory(core::MapWindow& map, int c) {
    using core::resumeNextWithMessage;
    if (mapBusy(map)) return;
    bool refused = false;
    resumeNextWithMessage([&] { refused = categoryCount(map, c) == 0; });
    if (refused) return;

    bool nowShown = false;
    resumeNextWithMessage([&] {
        basic::Integer& flag = shownFlag(map, c);
        nowShown = flag == basic::vbFalse;
        flag = nowShown ? basic::vbTrue : basic::vbFalse;
    });
    resumeNextWithMessage([&] {
        platform::ShapeControl& cell = map.legendStrip.Shape9[c];
        if (nowShown) {
            paintCell(cell, CellLook::On);
        } else {
            // The pale look of a hidden category, with the border it had before the first toggle.
            cell.setBackColor(basic::rgb(255, 255, 192));
            cell.setBorderColor(basic::rgb(128, 128, 255));
            cell.setBorderWidth(1);
        }
    });
    map.data.poiReplot = false;
    resumeNextWithMessage([&] { changeorang(map, c); });
    render::redrawBehindSnap(map);
}

void Label13_MouseDown(core::MapWindow& map, int index) {
    if (mapBusy(map)) return;
    basic::Integer& poiMode = map.global.settings.poiMode;
    if (poiMode == index && map.data.poiReplot) return;
    poiMode = static_cast<basic::Integer>(index);
    render::snap(map);
    showicons(map, poiMode);
    map.data.poiReplot = true;
    core::redrawMap(map);
    render::hideSnap(map);
}

void mviw_Click(core::MapWindow& map, int index) {
    if (index == 0) Label13_MouseDown(map, kShowLabel);
    if (index == 1) Label13_MouseDown(map, kHideLabel);
}

} // namespace poi
