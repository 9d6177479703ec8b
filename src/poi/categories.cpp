#include "poi/categories.h"

#include "basic/colour.h"
#include "core/mapwindow.h"
#include "core/resume.h"
#include "platform/hourglass.h"
#include "poi/countpanel.h"

#include <cstdlib>

namespace poi {
namespace {

// The cells 0..22 of the strip; cell 22 (stations) has no button.
constexpr int kLastCell = 22;
constexpr int kStationCell = 22;
constexpr int kStripDecoration = 4;

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

} // namespace

void paintCell(platform::ShapeControl& cell, CellLook look) {
    const Look& l = kLooks[static_cast<int>(look)];
    cell.setBackColor(basic::rgb(l.back[0], l.back[1], l.back[2]));
    cell.setBorderColor(basic::rgb(l.border[0], l.border[1], l.border[2]));
    cell.setBorderWidth(l.borderWidth);
}

void showicons(core::MapWindow& map, int mode) {
    using core::resumeNext;
    platform::hourglassOn();
    auto& cells = map.legendStrip.Shape9;
    auto& shown = map.d.catShown;
    if (std::abs(mode) == 1) {
        for (int i = 0; i <= kLastCell; ++i)
            shown[static_cast<size_t>(i)] = basic::vbTrue;
        for (int i = 0; i <= kLastCell; ++i) {
            resumeNext(
                [&] { paintCell(cells[i], labelCount(map, i + 1) > 0 ? CellLook::On : CellLook::Empty); });
            resumeNext([&] { cells[i].zorder(1); });
        }
    } else {
        for (int i = 0; i < kLastCell; ++i) {
            shown[static_cast<size_t>(i)] = basic::vbFalse;
            resumeNext([&] { cells[i].setBorderWidth(1); });
        }
        for (int i = 0; i <= kLastCell; ++i) {
            resumeNext([&] {
                if (labelCount(map, i + 1) > 0)
                    paintCell(cells[i], i == kStationCell ? CellLook::On : CellLook::Off);
            });
        }
    }
    resumeNext([&] { map.legendStrip.Shape4[kStripDecoration].zorder(1); });
    platform::hourglassOff();
}

} // namespace poi
