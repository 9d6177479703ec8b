#include "render/displayoptions.h"

#include "render/snap.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"

#include <algorithm>

namespace render {
namespace {

constexpr basic::Integer kNoAuthorLabels = 0;
constexpr basic::Integer kAuthorLabels = -1;
constexpr basic::Integer kDatesOnly = -2;
constexpr int kEnter = 13;

// The redraw the option handlers start: the still copy in front until the map is done.
void redrawAndHide(core::MapWindow& map) {
    snap(map);
    core::redrawMap(map);
    map.view.p2.setVisible(false);
}

// While the list holds authors, the redraw a handler starts must not list them again.
void holdAuthorList(core::MapWindow& map) {
    map.data.authorSelected = map.legendPanel.List1.listCount() > 0;
}

// Dates only when "Show Dates" is ticked and no author labels are on; none again when unticked.
void applyShowDates(core::MapWindow& map) {
    basic::Integer& overlay = map.global.authorOverlay;
    const bool dates = map.legendPanel.Check5.value() == 1;
    if (dates && overlay == kNoAuthorLabels) overlay = kDatesOnly;
    if (!dates && overlay == kDatesOnly) overlay = kNoAuthorLabels;
}

// Chooses the author list's entry authorListIndex again, when the list still has it.
void reselectAuthor(core::MapWindow& map) {
    platform::ListBox& list = map.legendPanel.List1;
    const basic::Integer chosen = map.data.authorListIndex;
    if (chosen > -1 && chosen < list.listCount()) list.setSelected(chosen, true);
}

} // namespace

void showlabels(core::MapWindow& map, bool show) {
    std::string& face = map.global.settings.fontNames[core::kLabelFont];
    core::resumeNext([&] {
        if (face.size() < 3) face = "Arial";
    });
    auto& lab2 = map.markers.lab2;
    const basic::Long last = std::min<basic::Long>(map.data.lab2Count, lab2.ubound());
    for (int k = 1; k <= last; ++k) {
        if (!lab2.exists(k)) continue;
        core::resumeNext([&] { lab2[k].setVisible(show); });
        core::resumeNext([&] { lab2[k].setFontName(face); });
    }
    core::resumeNext([&] { redrawAndHide(map); });
}

void Check1_MouseUp(core::MapWindow& map) {
    snap(map);
    core::redrawMap(map);
    hideSnap(map);
    map.global.settings.streetNames = map.legendPanel.Check1.value();
}

void Label12_MouseDown(core::MapWindow& map) {
    if (map.data.mapLoading) return;
    platform::CheckBox& box = map.legendPanel.Check1;
    // A greyed box (2) turns ticked, as an unticked one does.
    box.setValue(box.value() == 1 ? 0 : 1);
    map.global.settings.streetNames = box.value();
    snap(map);
    core::redrawMap(map);
    hideSnap(map);
}

void Check2_MouseUp(core::MapWindow& map) {
    if (map.global.curFile.empty() || map.data.drawBusy) return;
    core::LegendPanel& panel = map.legendPanel;
    core::MapData& d = map.data;
    using core::resumeNextWithMessage;
    if (panel.Check2.value() == 1) {
        resumeNextWithMessage([&] {
            if (panel.List1.listCount() > 0) panel.List1.setListIndex(-1);
        });
        d.authorListIndex = -1;
        d.authorFilter.clear();
        map.global.authorOverlay = kAuthorLabels;
    } else {
        map.global.authorOverlay = kNoAuthorLabels;
    }
    panel.Check3.setEnabled(false);
    holdAuthorList(map);
    resumeNextWithMessage([&] { redrawAndHide(map); });
    d.authorSelected = false;
    panel.Check3.setEnabled(true);
    resumeNextWithMessage([&] { reselectAuthor(map); });
}

void Check3_MouseUp(core::MapWindow& map) {
    core::redrawMap(map);
}

void Check4_MouseUp(core::MapWindow& map) {
    showlabels(map, map.legendPanel.Check4.value() == 1);
}

void Check5_MouseUp(core::MapWindow& map) {
    applyShowDates(map);
    holdAuthorList(map);
    redrawAndHide(map);
    map.data.authorSelected = false;
}

void List1_DblClick(core::MapWindow& map) {
    core::LegendPanel& panel = map.legendPanel;
    core::MapData& d = map.data;
    const int clicked = panel.List1.listIndex();
    if (clicked < 0) return;
    if (clicked != d.authorListIndex) {
        d.authorListIndex = clicked;
        d.authorFilter = panel.List1.list(clicked);
        map.global.authorOverlay = kAuthorLabels;
        panel.Check3.setEnabled(false);
        holdAuthorList(map);
    } else {
        map.global.authorOverlay = kNoAuthorLabels;
        panel.List1.setSelected(clicked, false);
        d.authorListIndex = -1;
        d.authorFilter.clear();
        applyShowDates(map);
    }
    redrawAndHide(map);
    d.authorSelected = false;
    panel.Check3.setEnabled(true);
    reselectAuthor(map);
    panel.Check2.setValue(0);
}

void Text6_KeyPress(core::MapWindow& map, int& keyAscii) {
    if (keyAscii != kEnter) return;
    holdAuthorList(map);
    redrawAndHide(map);
    map.data.authorSelected = false;
}

void connectDisplayOptions(core::MapWindow& map) {
    core::LegendPanel& panel = map.legendPanel;
    panel.Check1.onMouseUp = [&map](int, int, double, double) { Check1_MouseUp(map); };
    panel.Label12.onMouseDown = [&map](int, int, double, double) { Label12_MouseDown(map); };
    panel.Check2.onMouseUp = [&map](int, int, double, double) { Check2_MouseUp(map); };
    panel.Check3.onMouseUp = [&map](int, int, double, double) { Check3_MouseUp(map); };
    panel.Check4.onMouseUp = [&map](int, int, double, double) { Check4_MouseUp(map); };
    panel.Check5.onMouseUp = [&map](int, int, double, double) { Check5_MouseUp(map); };
    panel.List1.onDblClick = [&map] { List1_DblClick(map); };
    panel.Text6.onKeyPress = [&map](int& keyAscii) { Text6_KeyPress(map, keyAscii); };
}

} // namespace render
