#include "poi/countpanel.h"

#include "basic/colour.h"
#include "basic/fault.h"
#include "basic/numtext.h"
#include "poi/categories.h"
#include "poi/orange.h"
#include "window/caption.h"
#include "window/mapwindow.h"

namespace poi {
namespace {

// The categories with a count: count 0 is the amenities', counts 1..23 are categories 0..22.
constexpr int kCategories = osmimport::kCountCaptions - 1;
// Cells 0..21 have buttons; the station cell 22 is left as it is.
constexpr int kLastButtonCell = 21;
constexpr int kStripDecoration = 4;

struct ProblemCount {
    int label;
    long long value;
};

} // namespace

basic::Long categoryCount(const core::MapWindow& map, int c) {
    if (c < 0 || c >= kCategories) basic::raise(basic::fault::SubscriptOutOfRange);
    return map.data.countCaptions[static_cast<size_t>(c + 1)];
}

void showtot(core::MapWindow& map, basic::Integer) {
    const core::MapData& d = map.data;
    auto& numb = map.legendStrip.numb;
    // Marker counters hold the highest loaded element; the markers start at element 2.
    const ProblemCount counts[] = {
        {26, static_cast<long long>(d.chainCount) - 1 - d.chainExtraCount},
        {27, static_cast<long long>(d.quotCount) - 1},
        {28, static_cast<long long>(d.shape1Count) - 1},
        {29, static_cast<long long>(d.questCount) - 1 - d.questAreaCount},
        {30, d.questAreaCount},
        {31, d.chainExtraCount},
        {32, d.fixmeCount},
        {33, d.noteCount},
    };
    // A count not above 0 reads "0".
    for (const ProblemCount& count : counts) {
        const long long shown = count.value > 0 ? count.value : 0;
        numb[count.label].setCaption(std::to_string(shown));
        numb[count.label].setForeColor(shown == 0 ? basic::rgb(0, 128, 0) : basic::rgb(192, 64, 0));
    }
    for (int c = 0; c < kCategories; ++c)
        numb[c + 1].setForeColor(categoryCount(map, c) == 0 ? basic::rgb(128, 128, 128) : basic::rgb(0, 0, 255));

    auto& cells = map.legendStrip.Shape9;
    if (map.global.settings.poiMode == 1) {
        for (int i = 0; i <= kLastButtonCell; ++i) {
            paintCell(cells[i], categoryCount(map, i) > 0 ? CellLook::On : CellLook::Empty);
            cells[i].zorder(1);
        }
    } else {
        for (int i = 0; i <= kLastButtonCell; ++i) {
            map.data.catShown[static_cast<size_t>(i)] = basic::vbFalse;
            cells[i].setBorderWidth(1);
        }
        for (int i = 0; i <= kLastButtonCell; ++i)
            paintCell(cells[i], categoryCount(map, i) > 0 ? CellLook::Off : CellLook::Empty);
    }
    map.legendStrip.Shape4[kStripDecoration].zorder(1);
    core::cap(map, map.global.curFile);
    setorange(map);
}

} // namespace poi
