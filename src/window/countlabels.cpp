#include "window/countlabels.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "window/mapwindow.h"

#include <cstddef>

namespace core {

void showCount(MapWindow& map, int label, basic::Long count) {
    platform::LabelControl& shown = map.legendStrip.numb[label];
    // Only counts 0..23 are the data model's: labels 26..33 count problems, which showtot
    // writes from the marker counters.
    if (label >= osmimport::kCountCaptions) basic::raise(basic::fault::SubscriptOutOfRange);
    map.data.countCaptions[static_cast<std::size_t>(label)] = count;
    shown.setCaption(basic::dec(count));
}

void showCounts(MapWindow& map) {
    for (int label = 0; label < osmimport::kCountCaptions; ++label)
        map.legendStrip.numb[label].setCaption(basic::dec(map.data.countCaptions[static_cast<std::size_t>(label)]));
}

} // namespace core
