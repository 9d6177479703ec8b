// The main window as an owner: its busy test, the reporting of faults that escape a handler,
// and the controls it is built with.

#include "core/window_fixture.h"
#include "platform/busy.h"
#include "platform/control_dispatch.h"

#include <QMenuBar>

namespace core::testing {
namespace {

using MapWindowTest = WindowTest;

TEST_F(MapWindowTest, IsBusyWhileDrawingOrLoading) {
    MapWindow& map = make();
    struct Case {
        bool drawBusy, mapLoading, busy;
    };
    for (const Case c : {Case{false, false, false}, Case{true, false, true}, Case{false, true, true},
                         Case{true, true, true}}) {
        map.data.drawBusy = c.drawBusy;
        map.data.mapLoading = c.mapLoading;
        EXPECT_EQ(platform::BusyGate::isBusy(), c.busy) << c.drawBusy << c.mapLoading;
    }
}

TEST_F(MapWindowTest, GoingAwayLeavesTheProgramNotBusy) {
    {
        MapWindow map;
        map.data.drawBusy = true;
        ASSERT_TRUE(platform::BusyGate::isBusy());
    }
    EXPECT_FALSE(platform::BusyGate::isBusy());
}

TEST_F(MapWindowTest, CancelAndTheMapPictureWorkWhileBusy) {
    MapWindow& map = make();
    EXPECT_TRUE(map.progress.Command2.runsWhileBusy());
    EXPECT_TRUE(map.view.p1.runsWhileBusy());
    EXPECT_FALSE(map.search.Command1.runsWhileBusy());
    EXPECT_TRUE(map.form.keyPreview());
}

TEST_F(MapWindowTest, AFaultEscapingAHandlerIsShownInAMessageBox) {
    make();
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    platform::runFromEventLoop([] { basic::raise(basic::fault::Overflow); });
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "Overflow");
}

TEST_F(MapWindowTest, MenuBarHoldsTheTopMenusInOrder) {
    MapWindow& map = make();
    QStringList titles;
    for (QAction* action : map.form.window()->menuBar()->actions())
        if (action->isVisible()) titles << action->text();
    EXPECT_EQ(titles, QStringList({"File", "Edit", "Routes", "Map", "GPX", "Help", "Internet"}));
    EXPECT_FALSE(map.menus.mgpx.enabled()); // until a GPX file is imported
    EXPECT_FALSE(map.menus.mroute.visible());
    EXPECT_TRUE(map.menus.mn[0].checked());
    EXPECT_FALSE(map.menus.mn[2].checked());
}

TEST_F(MapWindowTest, FileMenuEntriesStandAtTheirIndexes) {
    MapWindow& map = make();
    struct Case {
        int index;
        const char* caption;
    };
    for (const Case c :
         {Case{0, "Open OSM"}, Case{2, "Open Parsed Files"}, Case{4, "Save Screen"}, Case{6, "Import GPX"},
          Case{7, "Save Route"}, Case{9, "About"}, Case{11, "Check for Update"}, Case{13, "Print"},
          Case{15, ""}, Case{18, ""}, Case{19, "-"}, Case{20, "Exit"}})
        EXPECT_EQ(map.menus.mf[c.index].caption(), c.caption) << c.index;
    EXPECT_EQ(map.menus.mf.ubound(), 20);
    EXPECT_EQ(map.menus.mgp[4].caption(), "Show Tracks");
    EXPECT_EQ(map.menus.mgp[5].caption(), "Show Waypoints");
    EXPECT_FALSE(map.menus.mgp.exists(0));
    EXPECT_EQ(map.menus.mint[2].caption(), "Google Map");
}

TEST_F(MapWindowTest, ToolbarsCarryTheirToolTips) {
    MapWindow& map = make();
    EXPECT_EQ(map.toolbars.Image3[0].toolTipText(), " Open OMS ");
    EXPECT_EQ(map.toolbars.Image3[2].toolTipText(), " Open Parsed Files ");
    EXPECT_EQ(map.toolbars.Image3[6].toolTipText(), " Import GPX ");
    EXPECT_FALSE(map.toolbars.Image3.exists(1));
    EXPECT_EQ(map.toolbars.rout[4].toolTipText(), " Show Route  on Goiogle Earth");
    EXPECT_EQ(map.legendStrip.Image1.toolTipText(), " addresses ");
}

TEST_F(MapWindowTest, MarkerArraysLoadFromTheirTemplatesOnTheMap) {
    MapWindow& map = make();
    // A loaded element copies its template on the map picture, not the button on the strip.
    platform::ImageControl& marker = map.markers.pb.load(2);
    EXPECT_EQ(marker.container(), &map.view.p1);
    EXPECT_EQ(marker.width(), map.markers.pb[0].width());
    EXPECT_FALSE(marker.visible());
    platform::ImageControl& busStop = map.markers.bus.load(2);
    EXPECT_EQ(busStop.container(), &map.view.p1);
    platform::ImageControl& question = map.markers.quest.load(2);
    EXPECT_EQ(question.container(), &map.view.p1);
    EXPECT_EQ(map.markers.quest[1].container(), &map.strips.left);
}

} // namespace
} // namespace core::testing
