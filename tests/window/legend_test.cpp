// The legend panel's tabs and colour key, its toggles, and the fitting of buttons into cells.

#include "basic/colour.h"
#include "core/window_fixture.h"
#include "platform/canvas_test_support.h"
#include "platform/controls_testing.h"
#include "render/drawing_fixture.h"
#include "render/drawwindows.h"
#include "window/layout.h"
#include "window/legend.h"

namespace core::testing {
namespace {

using LegendTest = WindowTest;

const basic::Long kSelected = basic::rgb(192, 192, 255);
const basic::Long kUnselected = basic::rgb(224, 224, 224);

// Whether the page is the one in front at its centre (the pages lie on each other).
bool pageInFront(MapWindow& map, int index) {
    QWidget* page = map.legendPanel.Fram4[index].widget();
    QWidget* top = map.legendPanel.Frame2.host()->childAt(page->geometry().center());
    return top == page || page->isAncestorOf(top);
}

void expectTabs(MapWindow& map, int selected) {
    for (int i = 0; i < kLegendTabs; ++i)
        EXPECT_EQ(map.legendPanel.Shape7[i].backColor(), i == selected ? kSelected : kUnselected) << i;
    EXPECT_TRUE(pageInFront(map, selected));
}

TEST_F(LegendTest, StartUpSelectsTheSavedTab) {
    MapWindow& map = load();
    EXPECT_EQ(map.legendPanel.command5[1].caption(), " Icons");
    expectTabs(map, 1);
}

TEST_F(LegendTest, StartUpOpensOnTheTabSavedInTheSettingsFile) {
    Global saved;
    saved.settings.legendTab = 3;
    writeSettingsFile(saved);
    MapWindow& map = load();
    EXPECT_EQ(map.global.settings.legendTab, 3);
    expectTabs(map, 3);
}

TEST_F(LegendTest, ClickingATabSelectsItAndItsPage) {
    MapWindow& map = load();
    for (int tab : {3, 0, 2, 2}) {
        SCOPED_TRACE(tab);
        command5_Click(map, tab);
        EXPECT_EQ(map.global.settings.legendTab, tab);
        expectTabs(map, tab);
    }
}

TEST_F(LegendTest, TabClicksAreIgnoredWhileAFileIsRead) {
    MapWindow& map = load();
    map.data.mapLoading = true;
    command5_Click(map, 3);
    EXPECT_EQ(map.global.settings.legendTab, 1);
    expectTabs(map, 1);
}

TEST_F(LegendTest, SwatchesTakeTheKeyColoursInFillAndBorder) {
    MapWindow& map = load();
    EXPECT_EQ(map.legendPanel.Shape6.count(), 41);
    EXPECT_EQ(map.legendPanel.Label10.count(), 41);
    struct Case {
        int shape, label;
        const char* caption;
        basic::Long colour;
    };
    for (const Case c : {Case{0, 0, "Forest", basic::rgb(141, 196, 192)},
                         Case{18, 19, "Terminal", basic::rgb(204, 153, 255)},
                         Case{27, 33, "Track", basic::rgb(51, 204, 153)}}) {
        const platform::ShapeControl& swatch = map.legendPanel.Shape6[c.shape];
        EXPECT_EQ(swatch.fillColor(), c.colour) << c.caption;
        EXPECT_EQ(swatch.borderColor(), c.colour) << c.caption;
        EXPECT_EQ(swatch.fillStyle(), 0) << c.caption;
        EXPECT_EQ(map.legendPanel.Label10[c.label].caption(), c.caption);
        // The caption stands under its swatch.
        EXPECT_GT(map.legendPanel.Label10[c.label].top(), swatch.top()) << c.caption;
    }
    EXPECT_EQ(map.legendPanel.Shape6[0].height(), 270);
    EXPECT_EQ(map.legendPanel.Shape6[1].height(), 225);
}

TEST_F(LegendTest, SwatchColourRoundsTheColourToAWholeNumber) {
    MapWindow& map = load();
    setSwatchColour(map, 13, 1000.5);
    EXPECT_EQ(map.legendPanel.Shape6[13].fillColor(), 1000);
    setSwatchColour(map, 13, 1001.5);
    EXPECT_EQ(map.legendPanel.Shape6[13].borderColor(), 1002);
}

TEST_F(LegendTest, TheIconsPageShowsSixtyNineIcons) {
    MapWindow& map = load();
    int shown = 0;
    for (const platform::ImageControl& icon : map.legendPanel.im)
        shown += icon.visible();
    EXPECT_EQ(shown, 69);
    EXPECT_FALSE(map.legendPanel.im.exists(6));
    EXPECT_TRUE(map.legendPanel.im[72].visible());
    EXPECT_FALSE(map.legendPanel.im[71].visible());
}

TEST_F(LegendTest, HideAndShowTogglesSwapInPlace) {
    MapWindow& map = load();
    auto& ex = map.strips.ex;
    const QImage hideLook = ex[3].image();
    ex_MouseDown(map, 3);
    EXPECT_EQ(ex[3].borderStyle(), 1);
    EXPECT_FALSE(map.legendPanel.Frame2.visible());
    ex_MouseUp(map, 3);
    EXPECT_EQ(ex[3].borderStyle(), 0);
    // ex(2) now lies in front, at the same place.
    const QPoint centre = ex[2].widget()->geometry().center();
    EXPECT_EQ(ex[2].widget()->geometry(), ex[3].widget()->geometry());
    EXPECT_EQ(map.strips.Frame3[kRightStrip].host()->childAt(centre), ex[2].widget());
    // The pressed look leaves the picture whole once released.
    EXPECT_EQ(ex[3].image(), hideLook);

    ex_MouseDown(map, 2);
    ex_MouseUp(map, 2);
    EXPECT_TRUE(map.legendPanel.Frame2.visible());
    EXPECT_EQ(map.strips.Frame3[kRightStrip].host()->childAt(centre), ex[3].widget());
}

// Whether the control's widget is the one seen at its corners and centre on the form.
bool wholeInFront(MapWindow& map, const platform::WindowedControl& control) {
    const QRect place = control.widget()->geometry();
    for (const QPoint at : {place.topLeft(), place.bottomRight(), place.center()})
        if (map.form.host()->childAt(at) != control.widget()) return false;
    return true;
}

// On a 1920 x 1080 screen, pressed as the user presses: the release of the press that hides the
// panel comes while the map is drawn for the uncovered strip (drawBusy set), and is dropped.
TEST_F(LegendTest, HiddenOrShownThePanelLeavesTheScrollBarWholeAtTheMapsEdgeAndOneToggle) {
    MapWindow& map = loadOnScreen(kWideScreen);
    const platform::ScrollBar& bar = map.view.VS;
    auto& ex = map.strips.ex;
    QWidget* strip = map.strips.Frame3[kRightStrip].widget();
    const auto toggleLook = [&] { return strip->grab(ex[kHideLegendToggle].widget()->geometry()).toImage(); };
    const QImage hideLook = toggleLook();
    for (const int pressed : {kHideLegendToggle, kShowLegendToggle}) {
        SCOPED_TRACE(pressed);
        QWidget* picture = ex[pressed].widget();
        platform::testing::press(picture, picture->rect().center());
        map.data.drawBusy = pressed == kHideLegendToggle;
        platform::testing::release(picture, picture->rect().center());
        map.data.drawBusy = false;
        EXPECT_EQ(map.legendPanel.Frame2.visible(), pressed == kShowLegendToggle);
        EXPECT_EQ(bar.widget()->geometry().right(), map.view.Picture1.widget()->geometry().right());
        EXPECT_TRUE(wholeInFront(map, bar));
    }
    EXPECT_EQ(toggleLook(), hideLook) << "the hide toggle in front again, unpressed";
}

class LegendRedrawTest : public render::testing::DrawingTest {
protected:
    // The street-name grey within 40 pixels of the point (p1's units).
    int nameInkNear(double x, double y) {
        const QPoint at(static_cast<int>(p1().toPixelX(x)), static_cast<int>(p1().toPixelY(y)));
        return platform::canvastest::countColour(p1().image().copy(QRect(at, QSize(80, 80)).translated(-40, -40)),
                                                 basic::rgb(82, 82, 82));
    }
};

// Hiding the panel moves the map picture right to keep the zoom centre in the middle of the
// wider map: the map is drawn again, with the street names of the strip it uncovers at the
// left. Showing the panel covers that strip again and draws nothing.
TEST_F(LegendRedrawTest, HidingThePanelRedrawsTheMapShowingItDoesNot) {
    onScreen(kWideScreen);
    MapWindow& m = map();
    const float namesFrom = render::drawWindows(m.view).streetNames.left;
    showLegendPanel(m, false);
    const render::DrawWindow wider = render::visiblePart(m.view);
    showLegendPanel(m, true);
    ASSERT_LT(wider.left + 100, namesFrom);

    // A street named in the middle of the strip, at zoom 3.
    const double x = (wider.left + namesFrom) / 2;
    const double y = (wider.top + wider.bottom) / 2;
    m.global.viewZoom = 3;
    m.legendPanel.Check1.setValue(1);
    const Long at = node(x / 3, y / 3);
    way({.nodes = {at, node(x / 3 + 50, y / 3)}, .name = "Mill Lane", .nameNode = at});
    data.streetNameList = "1#";
    draw();
    ASSERT_EQ(nameInkNear(x + 40, y - 20), 0);

    ex_MouseDown(m, kHideLegendToggle);
    EXPECT_GT(nameInkNear(x + 40, y - 20), 0);
    ex_MouseDown(m, kShowLegendToggle);
    EXPECT_GT(nameInkNear(x + 40, y - 20), 0) << "drawn again for the narrower map";
}

TEST_F(LegendTest, LeftStripTogglesFrontEachOther) {
    MapWindow& map = load();
    auto& ex = map.strips.ex;
    QWidget* strip = map.strips.left.host();
    const QPoint shared = ex[1].widget()->geometry().center();
    ex_MouseDown(map, 0);
    EXPECT_EQ(strip->childAt(shared), ex[1].widget());
    ex_MouseDown(map, 1);
    EXPECT_EQ(strip->childAt(shared), ex[0].widget());
}

TEST_F(LegendTest, FitCentresButtonsInTheirCells) {
    MapWindow& map = load();
    struct Case {
        const platform::Control* button;
        int cell;
    };
    Markers& m = map.markers;
    // A 20-pixel icon is 300 twips: (432 - 300) / 2 = 66 across and (348 - 300) / 2 = 24 down.
    for (const Case c : {Case{&m.chrch[1], 0}, Case{&m.pb[1], 1}, Case{&m.bus[1], 5}, Case{&m.hist[1], 16},
                         Case{&m.touri[1], 17}, Case{&m.recyc[1], 18}, Case{&map.legendStrip.Image1, 21},
                         Case{&m.stat[1], 22}}) {
        SCOPED_TRACE(c.button->name());
        EXPECT_EQ(c.button->left(), 5616 + 380 * c.cell + 66);
        EXPECT_EQ(c.button->top(), 84 + 24);
    }
}

TEST_F(LegendTest, FitTakesWidthTopAndHeightFromCellZero) {
    MapWindow& map = load();
    platform::ImageControl& button = map.markers.pb[1];
    button.setStretch(true);
    button.move(0, 0, 600, 500); // larger than a cell: it overhangs evenly
    map.legendStrip.Shape9[3].move(7000, 900, 10, 10);
    fit(map, button, 3);
    EXPECT_EQ(button.left(), 7000 + (432 - 600) / 2.0);
    EXPECT_EQ(button.top(), 84 + (348 - 500) / 2.0);
    EXPECT_EQ(button.width(), 600);
}

TEST_F(LegendTest, CentreInProblemFrameCentresProblemButtonsAndPutsTheirCountsBelow) {
    MapWindow& map = load();
    struct Case {
        const platform::Control* button;
        int frame, label;
    };
    const double tops[] = {450, 1110, 5085, 1770, 2445, 4440, 3765, 3090};
    for (const Case c : {Case{&map.strips.Image2, 0, 30}, Case{&map.markers.quest[1], 1, 29},
                         Case{&map.strips.chaina, 3, 31}, Case{&map.markers.quot[1], 4, 27},
                         Case{&map.markers.amen[1], 7, 0}, Case{&map.strips.shape12, 6, 28},
                         Case{&map.strips.Image10, 5, 32}, Case{&map.strips.Image11, 2, 33}}) {
        SCOPED_TRACE(c.button->name());
        const double top = tops[c.frame];
        EXPECT_EQ(c.button->left(), 30 + (435 - c.button->width()) / 2);
        EXPECT_EQ(c.button->top(), top + (435 - c.button->height()) / 2);
        EXPECT_EQ(map.legendStrip.numb[c.label].left(), 50);
        EXPECT_EQ(map.legendStrip.numb[c.label].top(), top + 435 + 10);
    }
}

TEST_F(LegendTest, CentreInProblemFrameShowsAFailingStepAndGoesOn) {
    MapWindow& map = load();
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    platform::ImageControl& button = map.strips.Image2;
    centreInProblemFrame(map, button, 9, 30); // there is no frame 9
    ASSERT_EQ(dialogs().shown().size(), 2u);
    EXPECT_EQ(dialogs().shown()[0].text, "Control array element doesn't exist");
    EXPECT_EQ(dialogs().shown()[1].text, "Control array element doesn't exist");
    // The steps that could run did: x from frame 0, y never computed.
    EXPECT_EQ(button.left(), 30 + (435 - button.width()) / 2);
    EXPECT_EQ(button.top(), 0);
}

} // namespace
} // namespace core::testing
