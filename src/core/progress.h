#pragma once
// Progress of a long operation: the bar and the remaining time of the progress panel `frm1`, the
// elapsed time in status panel 3, "Cancel", and the switch that greys the top menus while a file
// is read. The callers own the busy flags and poll `cancelRequested` themselves.

#include "basic/numbers.h"

#include <optional>
#include <string>

namespace core {

class MapWindow;

struct ProgressTexts {
    double barFraction;    // the part of `backprog` the bar covers, 0..1
    std::string remaining; // `Label6`: minutes, ":", two-digit seconds
    std::string totalTime; // status panel 3: "Total Time:" & str(whole seconds) & " sec"
};

// What progr shows for `percent` done after `elapsed` seconds. Up to the threshold (81 % when
// the load rate is above 1.5 seconds per thousand nodes, else 70 %) the remaining time comes
// from the node count, above it from the progress so far (halves rounded to even). Nothing when
// percent is not above 0; a percent above 100 counts as 100.
std::optional<ProgressTexts> progressTexts(double percent, double elapsed, basic::Single loadRate,
                                           basic::Long nodeCount);

// Processes pending events once, then shows the progress of `percent` (0..100) measured from
// `loadStart` on the monotonic clock; percent 0 empties the remaining time and leaves the bar.
void progr(MapWindow& map, double percent);
// Enables or greys "File", "Edit", "Routes", "Map", "Help" and "Internet".
void ablemenus(MapWindow& map, bool enabled);
// "Cancel": asks the running loop to stop.
void Command2_Click(MapWindow& map);

} // namespace core
