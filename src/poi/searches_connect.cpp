#include "poi/searches_connect.h"

#include "platform/hourglass.h"
#include "poi/categorysearch.h"
#include "poi/namesearch.h"
#include "poi/problemgoto.h"
#include "window/mapwindow.h"

namespace poi {

void connectSearchPanels(core::MapWindow& map) {
    core::SearchPanels& panel = map.search;
    panel.Command1.onClick = [&map] { poi::Command1_Click(map); };
    panel.Text3.onKeyPress = [&map](int, int& keyAscii) { poi::Text3_KeyPress(map, keyAscii); };
    panel.List3.onDblClick = [&map](int index) { poi::List3_DblClick(map, index); };
    panel.List3.onMouseUp = [](int, int, int, double, double) { platform::hourglassOff(); };
    panel.Combo1.onClick = [&map] { poi::Combo1_Click(map); };
    panel.tm3.onTimer = [&map] { poi::tm3_Timer(map); };
    panel.Command3.onClick = [&map] { poi::Command3_Click(map); };
    map.strips.Image6.onClick = [&map] { poi::Image6_Click(map); };
    map.strips.Image9.onClick = [&map] { poi::Image9_Click(map); };
}

} // namespace poi
