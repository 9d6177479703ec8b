#pragma once
// The feature counts numb(0..23) show: the numbers are the data model's (countCaptions), the
// labels only show them, and nothing reads a count back out of a label.

#include "basic/numbers.h"

namespace core {

class MapWindow;

// Count `label` (0..23) becomes `count`, and its label shows it.
void showCount(MapWindow& map, int label, basic::Long count);

// Every count label 0..23 shows the data model's count.
void showCounts(MapWindow& map);

} // namespace core
