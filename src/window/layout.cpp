#include "window/layout.h"

#include "basic/colour.h"
#include "basic/numbers.h"
#include "platform/screen.h"
#include "window/colourkey.h"
#include "window/legend.h"
#include "window/mapwindow.h"
#include "window/viewwindow.h"

#include <algorithm>
#include <string>

namespace core {
namespace {

constexpr double kViewportTopGap = 300;
constexpr double kPageLeft = 45;
constexpr double kPageTop = 645;
constexpr double kFloatingGap = 22;
constexpr double kFloatingTop = 2235;
constexpr double kZoomLeft = 630;
// The right-hand zoom buttons stand as far in from the visible map's right edge as the left-hand
// ones (at 630) from the viewport's left edge (480).
constexpr double kZoomEdgeGap = 150;

double statusTop(const MapWindow& map) {
    return map.view.sb1.top();
}

// The right edge of the map the user sees: where the legend panel or the vertical scroll bar
// begins, whichever lies further left.
double visibleMapRight(const MapWindow& map) {
    const UncoveredMap uncovered = uncoveredMap(map);
    return std::min(uncovered.left + uncovered.width, map.view.VS.left());
}

} // namespace

void setpanels(MapWindow& map) {
    const platform::ScreenSize screen = platform::screenSize();
    const double W = screen.widthTwips;
    const double H = screen.heightTwips;
    Viewport& v = map.view;
    platform::Frame& right = map.strips.Frame3[kRightStrip];
    platform::Frame& left = map.strips.Frame3[kLeftStrip];
    platform::Frame& legend = map.legendPanel.Frame2;

    right.setLeft(W - right.width());
    right.setTop(0);
    // The left strip's top is still the design's on the first layout, the viewport's afterwards.
    right.setHeight(statusTop(map) - left.top());
    v.VS.setTop(v.Picture1.top());
    v.hs.setLeft(0);
    v.hs.setTop(statusTop(map));

    v.Picture1.setLeft(right.width());
    v.Picture1.setWidth(W - 2 * right.width());
    v.Picture1.setHeight(statusTop(map) - v.Picture1.top());
    v.VS.setHeight(v.Picture1.height());
    v.VS.zorder(0);
    v.hs.zorder(0);
    v.hs.setWidth(v.Picture1.width());
    v.VS.setMax(basic::cint(v.Picture1.height() + kViewportTopGap - v.p1.scaleHeight()));
    v.hs.setMax(basic::cint(v.p1.scaleWidth()));

    for (platform::Frame& page : map.legendPanel.Fram4) {
        page.move(kPageLeft, kPageTop);
        page.setHeight(statusTop(map) - page.top());
    }
    v.VS.setLeft(right.left() - v.VS.width());
    left.setLeft(0);
    left.setTop(v.Picture1.top());
    right.setTop(v.Picture1.top());
    legend.setLeft(W - legend.width() - right.width());
    legend.setTop(v.Picture1.top());

    for (platform::Frame* panel : {&map.problems.frame4, &map.search.Frame9, &map.search.Frame10})
        panel->move(left.width() + kFloatingGap, kFloatingTop);
    platform::Frame& frm1 = map.progress.frm1;
    frm1.setLeft((v.Picture1.width() - v.Picture1.left()) / 2 - frm1.width() / 2);
    frm1.setTop(H / 2);

    for (const KeySwatch& key : kColourKey)
        setSwatchColour(map, static_cast<Integer>(key.shape), basic::rgb(key.red, key.green, key.blue));

    platform::StatusBar& bar = v.sb1;
    bar.setPanelText(1, "  ");
    bar.setPanelWidth(2, 2000);
    bar.setPanelWidth(3, 2000);
    bar.setPanelWidth(4, 1000);
    bar.setPanelWidth(5, 1500);
    bar.setPanelWidth(1, 0.85 * bar.width() - bar.panelWidth(2) - bar.panelWidth(3) - bar.panelWidth(4) +
                             bar.panelWidth(5));

    // The final viewport runs from the left strip's right edge to the right strip's left edge.
    v.Picture1.setLeft(left.width());
    v.Picture1.setWidth(W - left.width() - right.width());
    v.Picture1.setHeight(statusTop(map) - v.Picture1.top());
    legend.setHeight(v.Picture1.height());
    placezoom(map);
    v.p2.setScaleMode(v.p1.scaleMode());
    v.p2.move(v.Picture1.left(), v.Picture1.top(), v.Picture1.width(), v.Picture1.height());
    left.setHeight(statusTop(map) - left.top());

    platform::ComboBox& chooser = map.search.Combo1;
    chooser.clear();
    for (std::string_view name : kPoiCategories)
        chooser.addItem(std::string(name));
    for (platform::Frame& frame : map.toolbars.Frame7)
        frame.setWidth(map.toolbars.Image4[kZoomInButton].width());
}

void placezoom(MapWindow& map) {
    Single x = kZoomLeft;
    if (!map.global.settings.zoomLeft)
        x = static_cast<Single>(visibleMapRight(map) - kZoomEdgeGap -
                                map.toolbars.Image4[kZoomInButton].width());
    for (platform::Frame& frame : map.toolbars.Frame7) {
        frame.setLeft(x);
        frame.setVisible(true);
    }
}

void showLegendPanel(MapWindow& map, bool show) {
    platform::Frame& legend = map.legendPanel.Frame2;
    Viewport& v = map.view;
    const bool changes = legend.visible() != show;
    if (show) legend.zorder(0);
    v.hs.setWidth(v.Picture1.width());
    // The bar keeps to the viewport's right edge, where the layout put it, and in front of the
    // panel, whose pages leave it room.
    v.VS.setLeft(v.Picture1.left() + v.Picture1.width() - v.VS.width());
    legend.setVisible(show);
    legend.zorder(0);
    v.VS.zorder(0);
    if (!changes) return;
    // The zoom centre keeps to the middle of what the panel leaves uncovered, and the zoom buttons
    // to the map the user sees.
    centreMapPicture(map);
    placezoom(map);
}

void placeProblemPanel(MapWindow& map, double offset) {
    platform::Frame& panel = map.problems.frame4;
    panel.setTop(map.strips.Frame3[kLeftStrip].top() + offset);
    if (panel.top() + panel.height() > statusTop(map)) panel.setTop(statusTop(map) - panel.height());
}

void bringToFrontAndShow(platform::Control& panel) {
    panel.zorder(0);
    panel.setVisible(true);
}

} // namespace core
