#pragma once
// The legend strip along the top of the window: the cells `Shape9` (one per POI category; only
// cell 0 exists until start-up loads the others), the count labels `numb`, the strip's end marks
// `Shape11` with the "Hide"/"Show" labels `Label13`, the decoration `Shape4(4)` behind the strip
// and the addresses button `Image1`. The category buttons that sit on the cells are elements of
// their marker arrays (Markers).
//
// `numb`: element c + 1 counts POI category c (in the strip), elements 0 and 26..33 count the
// problems (in the left strip, under their buttons), 24 and 25 are never shown.

#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/lightweight_image.h"
#include "platform/lightweight_label.h"
#include "platform/lightweight_shape.h"
#include "window/sidestrips.h"

namespace core {

inline constexpr int kStripCells = 23;
inline constexpr int kCountLabels = 34;
inline constexpr int kFirstCell = 0;
inline constexpr int kLastCell = kStripCells - 1;
inline constexpr int kFirstCellLabel = kFirstCell + 1; // numb of the first cell
// The end marks `Shape11` and the labels `Label13` on them.
inline constexpr int kTopEndMark = 1;
inline constexpr int kBottomEndMark = 2;
inline constexpr int kHideLabel = 0;
inline constexpr int kShowLabel = 1;

struct LegendStrip {
    LegendStrip(platform::Form& form, SideStrips& strips);

    platform::ControlArray<platform::ShapeControl> Shape4{"Shape4"};
    platform::ControlArray<platform::ShapeControl> Shape9{"Shape9"};
    platform::ControlArray<platform::LabelControl> numb{"numb"};
    platform::ControlArray<platform::ShapeControl> Shape11{"Shape11"};
    platform::ControlArray<platform::LabelControl> Label13{"Label13"};
    platform::ImageControl Image1;
};

} // namespace core
