// The keys of the main window: arrow keys pan, four character keys are shortcuts.

#include "core/keys.h"
#include "core/window_fixture.h"

#include <QFile>

namespace core::testing {
namespace {

class KeysTest : public WindowTest {
protected:
    MapWindow& loadWithFile() {
        MapWindow& map = load();
        map.global.curFile = appPath() + "/leeds.osm";
        map.global.viewOffX = 10;
        map.global.viewOffY = 20;
        return map;
    }

    bool fixmeReportWritten(const MapWindow& map) const {
        return QFile::exists(QString::fromStdString(map.global.dataFolder + "/fixme.txt"));
    }
};

TEST_F(KeysTest, ArrowKeysPanByFiveHundred) {
    MapWindow& map = loadWithFile();
    const struct {
        int key;
        Single x, y;
    } cases[] = {{38, 10, 520}, {40, 10, -480}, {37, 510, 20}, {39, -490, 20}};
    for (const auto& c : cases) {
        map.global.viewOffX = 10;
        map.global.viewOffY = 20;
        map.view.p2.setVisible(true);
        int key = c.key;
        Form_KeyDown(map, key);
        EXPECT_EQ(map.global.viewOffX, c.x) << c.key;
        EXPECT_EQ(map.global.viewOffY, c.y) << c.key;
        EXPECT_EQ(key, c.key) << "the key code is left unchanged";
        EXPECT_FALSE(map.view.p2.visible()) << c.key;
    }
}

// Before any file, during a draw or an import, and for keys that are no arrows.
TEST_F(KeysTest, ArrowKeysChangeNothingBeforeAFileOrWhileBusy) {
    MapWindow& map = loadWithFile();
    const struct {
        const char* state;
        void (*set)(MapWindow&);
        int key;
    } cases[] = {
        {"no file", [](MapWindow& m) { m.global.curFile.clear(); }, 38},
        {"drawing", [](MapWindow& m) { m.data.drawBusy = true; }, 40},
        {"importing", [](MapWindow& m) { m.data.mapLoading = true; }, 37},
        {"not an arrow", [](MapWindow&) {}, 65},
        {"page down", [](MapWindow&) {}, 34},
    };
    for (const auto& c : cases) {
        map.global.curFile = appPath() + "/leeds.osm";
        map.data.drawBusy = false;
        map.data.mapLoading = false;
        c.set(map);
        map.view.p2.setVisible(true);
        int key = c.key;
        Form_KeyDown(map, key);
        EXPECT_EQ(map.global.viewOffX, 10) << c.state;
        EXPECT_EQ(map.global.viewOffY, 20) << c.state;
        EXPECT_TRUE(map.view.p2.visible()) << c.state;
    }
}

TEST_F(KeysTest, OnlyLowerCaseQHidesTheWaypoints) {
    MapWindow& map = loadWithFile();
    ASSERT_TRUE(map.global.showWaypoints);
    for (int key : {81, 87, 119, 13}) { // Q, W, w, Enter
        Form_KeyPress(map, key);
        EXPECT_TRUE(map.global.showWaypoints) << key;
    }
    EXPECT_TRUE(map.menus.mgp[5].checked());
    int q = 113;
    Form_KeyPress(map, q);
    EXPECT_FALSE(map.global.showWaypoints);
    EXPECT_FALSE(map.menus.mgp[5].checked()) << "Show Waypoints";
    EXPECT_TRUE(map.menus.mgp[4].checked()) << "Show Tracks";
    EXPECT_EQ(q, 113);
}

TEST_F(KeysTest, EnterEnablesPlanningSheet) {
    MapWindow& map = loadWithFile();
    map.menus.mn[2].setEnabled(false);
    int enter = 13;
    Form_KeyPress(map, enter);
    EXPECT_TRUE(map.menus.mn[2].enabled());
}

TEST_F(KeysTest, CtrlRResetsTheView) {
    MapWindow& map = loadWithFile();
    map.global.viewZoom = 5.6f;
    map.view.p2.setVisible(true);
    int ctrlR = 18;
    Form_KeyPress(map, ctrlR);
    EXPECT_FLOAT_EQ(map.global.viewZoom, 1.4f);
    EXPECT_FLOAT_EQ(map.global.viewOffX, -1600);
    EXPECT_FLOAT_EQ(map.global.viewOffY, -1320);
    EXPECT_FALSE(map.view.p2.visible());
}

TEST_F(KeysTest, CtrlFAppendsTheFixmeReport) {
    MapWindow& map = loadWithFile();
    map.data.fixmeList = "12#check the bridge";
    int ctrlF = 6;
    Form_KeyPress(map, ctrlF);
    QFile report(QString::fromStdString(map.global.dataFolder + "/fixme.txt"));
    ASSERT_TRUE(report.open(QIODevice::ReadOnly));
    EXPECT_EQ(report.readAll().toStdString(), "~leeds\r\n12#check the bridge\r\n");
}

TEST_F(KeysTest, ShortcutsDoNothingWhileBusy) {
    MapWindow& map = loadWithFile();
    map.data.fixmeList = "12#check the bridge";
    map.global.viewZoom = 5.6f;
    for (bool drawing : {true, false}) {
        map.data.drawBusy = drawing;
        map.data.mapLoading = !drawing;
        for (int key : {18, 6, 113}) {
            Form_KeyPress(map, key);
        }
        EXPECT_FLOAT_EQ(map.global.viewZoom, 5.6f);
        EXPECT_FALSE(fixmeReportWritten(map));
        EXPECT_TRUE(map.global.showWaypoints);
    }
}

// The form hands its keys to these handlers.
TEST_F(KeysTest, TheFormRunsTheHandlers) {
    MapWindow& map = loadWithFile();
    ASSERT_TRUE(map.form.onKeyDown && map.form.onKeyPress);
    int up = 38;
    map.form.onKeyDown(up, 0);
    EXPECT_EQ(map.global.viewOffY, 520);
    int q = 113;
    map.form.onKeyPress(q);
    EXPECT_FALSE(map.global.showWaypoints);
}

} // namespace
} // namespace core::testing
