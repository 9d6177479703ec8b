#pragma once
// The legend panel's tabs and colour key, its show/hide toggles `ex`, and the fitting of icon
// buttons into their cells: `fit` for the POI buttons of the legend strip, `centreInProblemFrame` for the
// problem buttons of the left strip with their count labels.

#include "basic/numbers.h"
#include "platform/control.h"

namespace core {

class MapWindow;

using basic::Double;
using basic::Integer;

// The background of a tab's rectangle: RGB(192, 192, 255) selected, RGB(224, 224, 224) not.
basic::Long tabColour(bool selected);

// The click on tab label `index` (0..3); nothing while a file is being read.
void command5_Click(MapWindow& map, int index);
// Fill and border colour of swatch Shape6(index).
// The system's name: coll.
void setSwatchColour(MapWindow& map, Integer index, Double colour);
void ex_MouseDown(MapWindow& map, int index);
void ex_MouseUp(MapWindow& map, int index);
// Centres `button` in legend cell Shape9(cell); width, top and height come from cell 0.
void fit(MapWindow& map, platform::Control& button, int cell);
// Centres `button` in problem frame Shape10(frame) and puts count label numb(label) under it; a
// failing step shows its fault's description and the next step runs.
// The system's name: fit2.
void centreInProblemFrame(MapWindow& map, platform::Control& button, int frame, int label);

} // namespace core
