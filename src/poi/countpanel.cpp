#include "poi/countpanel.h"

#include "basic/colour.h"
#include "basic/numtext.h"
#include "basic/val.h"
#include "poi/categories.h"
#include "poi/orange.h"
#include "window/caption.h"
#include "window/mapwindow.h"

namespace poi {
namespace {

constexpr int kFirstCategoryLabel = 1;
constexpr int kLastCategoryLabel = 23;
constexpr int kFirstProblemLabel = 26;
constexpr int kLastProblemLabel = 33;
// Cells 0..21 have buttons; the station cell 22 is left as it is.
constexpr int kLastButtonCell = 21;
constexpr int kStripDecoration = 4;

struct ProblemCount {
    int label;
    long long value;
};

} // namespace

double labelCount(const core::MapWindow& map, int label) {
    return basic::val(map.legendStrip.numb[label].caption());
}

void showtot(core::MapWindow& map, basic::Integer) {
    const core::MapData& d = map.d;
    auto& numb = map.legendStrip.numb;
    for (int i = kFirstProblemLabel; i <= kLastProblemLabel; ++i)
        numb[i].setCaption("0");

    // Marker counters hold the highest loaded element; the markers start at element 2.
    const ProblemCount counts[] = {
        {32, d.fixmeCount},
        {33, d.noteCount},
        {29, static_cast<long long>(d.questCount) - 1 - d.questAreaCount},
        {28, static_cast<long long>(d.shape1Count) - 1},
        {26, static_cast<long long>(d.chainCount) - 1 - d.chainExtraCount},
        {27, static_cast<long long>(d.quotCount) - 1},
        {30, d.questAreaCount},
        {31, d.chainExtraCount},
    };
    for (const ProblemCount& count : counts) {
        if (count.value > 0) numb[count.label].setCaption(std::to_string(count.value));
    }

    for (int i = kFirstCategoryLabel; i <= kLastCategoryLabel; ++i)
        numb[i].setForeColor(labelCount(map, i) == 0 ? basic::rgb(128, 128, 128) : basic::rgb(0, 0, 255));
    for (int i = kFirstProblemLabel; i <= kLastProblemLabel; ++i)
        numb[i].setForeColor(labelCount(map, i) == 0 ? basic::rgb(0, 128, 0) : basic::rgb(192, 64, 0));

    auto& cells = map.legendStrip.Shape9;
    if (map.g.settings.poiMode == 1) {
        for (int i = 0; i <= kLastButtonCell; ++i) {
            paintCell(cells[i], labelCount(map, i + 1) > 0 ? CellLook::On : CellLook::Empty);
            cells[i].zorder(1);
        }
    } else {
        for (int i = 0; i <= kLastButtonCell; ++i) {
            map.d.catShown[static_cast<size_t>(i)] = basic::vbFalse;
            cells[i].setBorderWidth(1);
        }
        for (int i = 0; i <= kLastButtonCell; ++i)
            paintCell(cells[i], labelCount(map, i + 1) > 0 ? CellLook::Off : CellLook::Empty);
    }
    map.legendStrip.Shape4[kStripDecoration].zorder(1);
    core::cap(map, map.g.curFile);
    setorange(map);
}

} // namespace poi
