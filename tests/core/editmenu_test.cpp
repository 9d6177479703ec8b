// Edit > Preferences: the window run modally and what the main window does once it is closed.

#include "basic/colour.h"
#include "basic/wholefile.h"
#include "core/editmenu.h"
#include "core/filemenu.h"
#include "platform/controls_testing.h"
#include "prefs/preferences.h"
#include "prefs/preferences_fixture.h"
#include "render/redrawcount_fixture.h"

#include <QApplication>
#include <QTimer>
#include <functional>

namespace core {
namespace {

using testing::kScreenWidth;

class EditMenuTest : public testing::RedrawCountTest {
protected:
    void SetUp() override {
        RedrawCountTest::SetUp();
        platform::injectScreenFonts(prefs::testing::kScreenFonts);
    }
    void TearDown() override {
        platform::clearInjectedScreenFonts();
        RedrawCountTest::TearDown();
    }

    // Runs Edit > Preferences with `act` done in the open window, then "OK".
    void runDialog(MapWindow& map, const std::function<void(prefs::Preferences&)>& act) {
        prefs::Preferences dialog(map.g);
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(prefs::testing::waitForActivation(dialog));
            act(dialog);
            dialog.Command1.raiseClick();
            if (!dialog.visible()) return;
            ADD_FAILURE() << "the close check refused";
            dialog.hide();
        });
        runPreferences(map, dialog);
    }

    Global savedSettings() {
        Global saved;
        prefs::readSettings(basic::readFileBytes(map_->g.settingsPath), saved);
        return saved;
    }

    MapWindow& openedMap() {
        map_ = &opened();
        return *map_;
    }

    MapWindow* map_ = nullptr;
};

TEST_F(EditMenuTest, OkSavesEverySettingAndMovesTheZoomButtons) {
    MapWindow& map = openedMap();
    dialogs().scriptColour(0x102030);
    runDialog(map, [&](prefs::Preferences& dialog) {
        dialog.Combo1[2].setListIndex(1);
        dialog.Option2[1].setValue(true);
        dialog.Text1[4].setText("/maps/gpx");
        dialog.Command4[1].raiseClick();
        dialog.Option2[0].setValue(true);
        dialog.Text1[4].setText("/maps/osm");
        dialog.Command4[1].raiseClick();
        platform::testing::click(dialog.Check1[1].widget(), dialog.Check1[1].widget()->rect().center());
        dialog.Command2[0].raiseClick();
        dialog.txmil.setText("4.5");
        dialog.Text2.setText("8");
        dialog.Text3.setText("75");
        dialog.Check2.setValue(0);
    });
    EXPECT_FALSE(map.g.settings.zoomLeft);
    for (const platform::Frame& frame : map.toolbars.Frame7)
        EXPECT_EQ(frame.left(), kScreenWidth - 1030);

    const Settings s = savedSettings().settings;
    EXPECT_EQ(s.folderPaths[4], "/maps/gpx");
    EXPECT_EQ(s.folderPaths[5], "/maps/osm");
    EXPECT_EQ(s.fontNames, (std::array<std::string, 3>{"Arial", "Arial", "0123"}));
    EXPECT_EQ(s.maxGreenNodes, 75);
    EXPECT_FALSE(s.zoomLeft);
    EXPECT_EQ(s.speedMph, 4.5f);
    EXPECT_EQ(s.backColour, 0x102030);
    EXPECT_EQ(s.labelFontSize, 8);
    EXPECT_EQ(s.patternFill, 0);
    const std::string bytes = basic::readFileBytes(map.g.settingsPath);
    std::string lastLines;
    for (int line = 29; line <= 34; ++line)
        lastLines += " 0 \r\n";
    EXPECT_TRUE(bytes.ends_with(lastLines)) << "lines 29..34 repeat the zoom side";

    dialogs().scriptOpenFile(std::nullopt);
    mf_Click(map, 0);
    EXPECT_EQ(dialogs().shown().back().request.initDir, "/maps/osm") << "Open OSM starts there";
}

TEST_F(EditMenuTest, ANewFontSizeRedrawsOnceBehindTheStillCopy) {
    MapWindow& map = openedMap();
    runDialog(map, [](prefs::Preferences& dialog) { dialog.Text2.setText("9"); });
    EXPECT_EQ(redraws(), 1);
    EXPECT_FALSE(map.view.p2.visible());
    EXPECT_EQ(savedSettings().settings.labelFontSize, 9);
}

TEST_F(EditMenuTest, ANewColourRedrawsOnIt) {
    MapWindow& map = openedMap();
    runDialog(map, [&](prefs::Preferences& dialog) {
        dialogs().scriptColour(0x405060);
        dialog.Command2[0].raiseClick();
    });
    EXPECT_EQ(redraws(), 1);
    EXPECT_FALSE(map.view.p2.visible());
    for (const platform::PictureBox* picture : {&map.view.p1, &map.view.p2, &map.view.Picture1})
        EXPECT_EQ(picture->backColor(), 0x405060) << picture->name();
    EXPECT_EQ(savedSettings().settings.backColour, 0x405060);
}

TEST_F(EditMenuTest, NothingChangedSavesWithoutARedraw) {
    MapWindow& map = openedMap();
    std::remove(map.g.settingsPath.c_str());
    runDialog(map, [](prefs::Preferences&) {});
    EXPECT_EQ(redraws(), 0);
    EXPECT_EQ(savedSettings().settings.labelFontSize, 7);
}

TEST_F(EditMenuTest, NothingOpensWhileAFileIsImported) {
    MapWindow& map = openedMap();
    map.d.mapLoading = true;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->hide();
        }
    });
    med_Click(map, 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(dialogs().shown().empty());
}

} // namespace
} // namespace core
