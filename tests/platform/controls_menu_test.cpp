// Menus: menu arrays with one Click(Index), checked, enabled, visible and separators, the busy
// gate, and pop-up menus.

#include "controls_testing.h"
#include "platform/form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::faultOf;

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        file = &form.addMenu("mfil", "File");
        for (int i = 0; i <= 20; ++i) {
            const char* caption = i == 0 ? "Open OSM" : i == 2 ? "Open Parsed Files" : i == 20 ? "Exit" : "-";
            mf.add(*file, i, caption);
        }
        mf.onClick = [this](int index) { clicked.push_back(index); };
    }

    Form form{"map"};
    Menu* file = nullptr;
    MenuArray mf{"mf"};
    std::vector<int> clicked;
};

TEST_F(MenuTest, ArrayItemsRaiseClickWithTheirIndex) {
    mf[2].action()->trigger();
    mf[20].action()->trigger();
    EXPECT_EQ(clicked, (std::vector<int>{2, 20}));
    EXPECT_EQ(mf[2].name(), "mf");
    EXPECT_EQ(mf[2].index(), 2);
    EXPECT_EQ(mf.ubound(), 20);
    EXPECT_EQ(file->qmenu()->actions().size(), 21);
    EXPECT_EQ(form.window()->menuBar()->actions().first()->text(), "File");
}

TEST_F(MenuTest, MissingAndDuplicateIndexesFault) {
    Menu& gpx = form.addMenu("mgpx", "GPX");
    MenuArray mgp("mgp");
    mgp.add(gpx, 4, "Show Tracks");
    mgp.add(gpx, 7, "Clear GPX");
    EXPECT_FALSE(mgp.exists(5));
    EXPECT_EQ(faultOf([&] { (void)mgp[5]; }), 340);
    EXPECT_EQ(faultOf([&] { mgp.add(gpx, 4, "again"); }), 360);
    EXPECT_EQ(mgp.ubound(), 7);
}

TEST_F(MenuTest, SeparatorsCheckMarksAndStates) {
    EXPECT_TRUE(mf[1].action()->isSeparator());
    EXPECT_TRUE(mf[1].action()->text().isEmpty()) << "a separator shows no text";
    EXPECT_EQ(mf[1].caption(), "-");
    EXPECT_FALSE(mf[0].action()->isSeparator());
    mf[15].setCaption("C:/maps/leeds.osm");
    EXPECT_FALSE(mf[15].action()->isSeparator()) << "a recent-file entry that gets a path is an item";
    EXPECT_EQ(mf[15].action()->text(), "C:/maps/leeds.osm");

    mf[0].setChecked(true);
    EXPECT_TRUE(mf[0].action()->isChecked());
    mf[0].action()->trigger();
    EXPECT_TRUE(mf[0].checked()) << "a click leaves the check mark to the handler";
    EXPECT_TRUE(mf[0].action()->isChecked());
    mf[0].setChecked(false);
    EXPECT_FALSE(mf[0].action()->isChecked());

    file->setEnabled(false);
    EXPECT_FALSE(file->action()->isEnabled()) << "a greyed top menu cannot open";
    mf[2].setVisible(false);
    EXPECT_FALSE(mf[2].action()->isVisible());
}

TEST_F(MenuTest, ClicksAreDroppedWhileBusyUnlessTheItemRunsWhileBusy) {
    Menu& help = form.addMenu("mhelp", "Help");
    MenuItem& manual = help.addItem("mhlp", "Manual");
    int manuals = 0;
    manual.onClick = [&] { ++manuals; };
    manual.setRunsWhileBusy(true);
    testing::BusyScope busy;
    mf[0].action()->trigger();
    manual.action()->trigger();
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(manuals, 1);
    mf[0].raiseClick();
    EXPECT_EQ(clicked, (std::vector<int>{0})) << "a click raised by the program runs";
}

TEST_F(MenuTest, PopupMenuShowsAHiddenMenuAndReturnsAfterTheClick) {
    Menu& route = form.addMenu("mroute", "mroute");
    route.setVisible(false);
    MenuArray madd("madd");
    madd.add(route, 0, "Add Waypoint Before");
    madd.add(route, 1, "Add Waypoint After");
    int chosen = -1;
    madd.onClick = [&](int index) { chosen = index; };
    form.show();
    QTimer::singleShot(0, [&] {
        madd[1].action()->trigger();
        route.qmenu()->close();
    });
    form.popupMenu(route);
    EXPECT_EQ(chosen, 1);
    EXPECT_FALSE(route.action()->isVisible()) << "still hidden on the menu bar";
}

} // namespace
} // namespace platform
