#include "poi/problemadvice.h"
#include "poi/problemgoto.h"
#include "poi/problemlistopen.h"
#include "window/mapwindow.h"

namespace poi {

void connectProblemPanel(core::MapWindow& map) {
    core::SideStrips& s = map.strips;
    s.Image2.onClick = [&map] { Image2_Click(map); };
    s.Image10.onClick = [&map] { Image10_Click(map); };
    s.Image11.onClick = [&map] { Image11_Click(map); };
    s.shape12.onClick = [&map] { shape12_Click(map); };
    s.chaina.onClick = [&map] { chaina_Click(map); };

    core::Markers& m = map.markers;
    m.amen.onMouseDown = [&map](int index, int, int, double, double) { amen_MouseDown(map, index); };
    m.quest.onClick = [&map](int index) { quest_Click(map, index); };
    m.quot.onMouseDown = [&map](int index, int, int, double, double) { quot_MouseDown(map, index); };
    m.chain.onClick = [&map](int index) { chain_Click(map, index); };
    m.shape1.onMouseDown = [&map](int index, int, int, double, double) { shape1_MouseDown(map, index); };

    core::ProblemPanel& panel = map.problems;
    panel.List4.onDblClick = [&map] { List4_DblClick(map); };
    panel.List4.onMouseDown = [&map](int, int, double, double) { List4_MouseDown(map); };
    panel.Label1.onClick = [&map](int index) { Label1_Click(map, index); };
    panel.frame4.onMouseDown = [&map](int, int, double, double) { map.problems.frame4.setVisible(false); };
}

} // namespace poi
