#include "window/legend.h"

#include "basic/colour.h"
#include "window/layout.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"

namespace core {

basic::Long tabColour(bool selected) {
    return selected ? basic::rgb(192, 192, 255) : basic::rgb(224, 224, 224);
}

void command5_Click(MapWindow& map, int index) {
    if (map.data.mapLoading) return;
    LegendPanel& panel = map.legendPanel;
    panel.Fram4[index].zorder(0);
    map.global.settings.legendTab = static_cast<Integer>(index);
    for (platform::ShapeControl& tab : panel.Shape7)
        tab.setBackColor(tabColour(false));
    panel.Shape7[map.global.settings.legendTab].setBackColor(tabColour(true));
}

void setSwatchColour(MapWindow& map, Integer index, Double colour) {
    platform::ShapeControl& swatch = map.legendPanel.Shape6[index];
    swatch.setFillColor(basic::clng(colour));
    swatch.setBorderColor(basic::clng(colour));
}

namespace {

// The twin comes to the front in its own look: the release of its last press may have come
// while the map was drawn, which drops user input, and left it looking pressed.
void bringTwinToFront(platform::PictureBox& twin) {
    twin.setBorderStyle(0);
    twin.zorder(0);
}

} // namespace

void ex_MouseDown(MapWindow& map, int index) {
    auto& ex = map.strips.ex;
    ex[index].setBorderStyle(1); // the pressed look
    switch (index) {
    case kSwitchOn:
        bringTwinToFront(ex[kSwitchOff]);
        break;
    case kSwitchOff:
        bringTwinToFront(ex[kSwitchOn]);
        break;
    case kShowLegendToggle:
        showLegendPanel(map, true);
        bringTwinToFront(ex[kHideLegendToggle]);
        break;
    case kHideLegendToggle:
        showLegendPanel(map, false);
        bringTwinToFront(ex[kShowLegendToggle]);
        // The map picture moved right to keep the zoom centre in the middle of the wider map; the
        // strip it uncovered at the left has no street names until the map is drawn for it.
        redrawMap(map);
        break;
    default:
        break;
    }
}

void ex_MouseUp(MapWindow& map, int index) {
    map.strips.ex[index].setBorderStyle(0);
}

void fit(MapWindow& map, platform::Control& button, int cell) {
    auto& cells = map.legendStrip.Shape9;
    const double x = cells[cell].left() + (cells[0].width() - button.width()) / 2;
    const double y = cells[0].top() + (cells[0].height() - button.height()) / 2;
    button.move(x, y);
}

void centreInProblemFrame(MapWindow& map, platform::Control& button, int frame, int label) {
    auto& frames = map.strips.Shape10;
    double x = 0;
    double y = 0;
    resumeNextWithMessage([&] { x = frames[0].left() + (frames[0].width() - button.width()) / 2; });
    resumeNextWithMessage([&] { y = frames[frame].top() + (frames[frame].height() - button.height()) / 2; });
    resumeNextWithMessage([&] { button.move(x, y); });
    resumeNextWithMessage(
        [&] { map.legendStrip.numb[label].move(50, frames[frame].top() + frames[frame].height() + 10); });
}

} // namespace core
