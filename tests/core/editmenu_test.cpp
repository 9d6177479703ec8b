// Edit > Preferences: the window run modally and what the main window does once it is closed.

#include "basic/wholefile.h"
#include "core/editmenu.h"
#include "core/filemenu.h"
#include "prefs/preferences_fixture.h"
#include "render/redrawcount_fixture.h"

#include <QTimer>
#include <cstdio>

namespace core {
namespace {

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

    // Edit > Preferences with `act` done in the open window, then "OK".
    void runDialog(MapWindow& map, const std::function<void(prefs::Preferences&)>& act) {
        prefs::Preferences dialog(map.global);
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(prefs::testing::waitForActivation(dialog));
            act(dialog);
            dialog.Command1.raiseClick();
            if (dialog.visible()) dialog.hide(); // refused: the test fails below, but ends
        });
        runPreferences(map, dialog);
    }

    static Settings saved(MapWindow& map) {
        Global file;
        prefs::readSettings(basic::readFileBytes(map.global.settingsPath), file);
        return file.settings;
    }
};

TEST_F(EditMenuTest, OkSavesEverySettingAndMovesTheZoomButtons) {
    MapWindow& map = opened();
    dialogs().scriptColour(0x102030);
    runDialog(map, [&](prefs::Preferences& dialog) {
        dialog.Combo1[2].setListIndex(1);
        for (int kind : {1, 0}) {
            dialog.Option2[kind].setValue(true);
            dialog.Text1[4].setText(kind == 0 ? "/maps/osm" : "/maps/gpx");
            dialog.Command4[1].raiseClick();
        }
        dialog.Check1[1].setValue(1);
        dialog.Check1[0].setValue(0);
        dialog.Command2[0].raiseClick();
        dialog.txmil.setText("4.5");
        dialog.Text3.setText("75");
        dialog.Check2.setValue(0);
    });
    for (const platform::Frame& frame : map.toolbars.Frame7)
        EXPECT_EQ(frame.left(), map.legendPanel.Frame2.left() - 150 - 360); // clear of the legend panel
    const Settings s = saved(map);
    EXPECT_EQ((std::array{s.folderPaths[4], s.folderPaths[5]}),
              (std::array<std::string, 2>{"/maps/gpx", "/maps/osm"}));
    EXPECT_EQ(s.fontNames, (std::array<std::string, 3>{"Arial", "Arial", "0123"}));
    EXPECT_EQ(
        (std::tuple{s.maxGreenNodes, s.zoomLeft, s.speedMph, s.backColour, s.labelFontSize, s.patternFill}),
        (std::tuple{Integer{75}, false, 4.5f, 0x102030, Integer{7}, Integer{0}}));
    EXPECT_TRUE(basic::readFileBytes(map.global.settingsPath)
                    .ends_with(" 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"));
    EXPECT_EQ(redraws(), 1) << "the new colour";

    dialogs().scriptOpenFile(std::nullopt);
    mf_Click(map, 0);
    EXPECT_EQ(dialogs().shown().back().request.initDir, "/maps/osm") << "Open OSM starts there";
}

TEST_F(EditMenuTest, ANewSizeOrColourRedrawsOnceBehindTheStillCopyAndNoChangeNever) {
    MapWindow& map = opened();
    runDialog(map, [](prefs::Preferences& dialog) { dialog.Text2.setText("9"); });
    EXPECT_EQ(redraws(), 1);
    EXPECT_FALSE(map.view.p2.visible());
    EXPECT_EQ(saved(map).labelFontSize, 9);

    runDialog(map, [&](prefs::Preferences& dialog) {
        dialogs().scriptColour(0x405060);
        dialog.Command2[0].raiseClick();
    });
    EXPECT_EQ(redraws(), 2);
    EXPECT_FALSE(map.view.p2.visible());
    for (const platform::PictureBox* picture : {&map.view.p1, &map.view.p2, &map.view.Picture1})
        EXPECT_EQ(picture->backColor(), 0x405060) << picture->name();

    std::remove(map.global.settingsPath.c_str());
    runDialog(map, [](prefs::Preferences&) {});
    EXPECT_EQ(redraws(), 2);
    EXPECT_EQ(saved(map).backColour, 0x405060);
}

} // namespace
} // namespace core
