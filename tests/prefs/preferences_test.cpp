// The Preferences window driven through its controls.

#include "basic/wholefile.h"
#include "platform/controls_testing.h"
#include "preferences_fixture.h"
#include "prefs/fontlist.h"

#include <QDir>
#include <QListWidget>

namespace prefs {
namespace {

using Texts = std::vector<std::string>;
constexpr int kDefaultColour = 0xE8EEF1; // RGB(241,238,232)

// Each opening finds a font list: no message of its own.
class DialogTest : public testing::PreferencesTest {
protected:
    void SetUp() override {
        PreferencesTest::SetUp();
        basic::writeFileWhole(fontsPath(), fontListBytes(core::kProgVersion, testing::kListedFonts));
    }
    static void click(platform::WindowedControl& control) {
        platform::testing::click(control.widget(), control.widget()->rect().center());
    }
};

TEST_F(DialogTest, TheFieldsAreFilledAtOpeningAndAChosenFontTakesItsSlot) {
    core::Settings& s = g.settings;
    s.fontNames = {"0123", "Ab", ""};
    s.zoomLeft = false;
    s.backColour = 0x1E140A;
    s.speedMph = 4.5f;
    s.patternFill = 0;
    Preferences& dialog = open();
    EXPECT_EQ(s.fontNames, (std::array<std::string, 3>{"0123", "Arial", "Arial"}));
    EXPECT_EQ(dialog.Text1[2].font().name, "Arial");
    EXPECT_EQ((Texts{dialog.txmil.text(), dialog.Text2.text(), dialog.Text3.text()}),
              (Texts{"4.5", "7", "50"}));
    EXPECT_EQ((std::vector{dialog.Check1[0].value(), dialog.Check1[1].value(), dialog.Check2.value()}),
              (std::vector{0, 1, 0}));
    EXPECT_EQ((std::vector{dialog.Shape3.backColor(), dialog.Shape4.backColor()}),
              (std::vector{0x1E140A, kDefaultColour}));
    EXPECT_FALSE(dialog.Dir1.enabled());
    dialog.Combo1[1].setListIndex(1);
    EXPECT_EQ((Texts{s.fontNames[1], dialog.Text1[2].text(), dialog.Text1[2].font().name}),
              (Texts{"0123", "0123", "0123"}));
}

TEST_F(DialogTest, SetFolderAndAPressOnTheFolderListStoreTheChosenKindsFolder) {
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(g.dataFolder + "/gpx")));
    g.settings.folderPaths[5] = g.dataFolder;
    Preferences& dialog = open();
    dialog.txmil.setText("8");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialog.Command4[1].raiseClick();
    activate(dialog);
    EXPECT_EQ(messages(), Texts{"Please select OSM or GPX"});
    EXPECT_EQ(g.settings.folderPaths[5], g.dataFolder);
    EXPECT_EQ(dialog.txmil.text(), "8") << "the box does not refill the fields";

    dialog.Option2[0].setValue(true);
    EXPECT_EQ((Texts{dialog.Text1[4].text(), dialog.Dir1.path()}), (Texts{g.dataFolder, g.dataFolder}));
    dialog.Text1[4].setText("/maps/osm");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialog.Command4[6].raiseClick();
    EXPECT_EQ(messages().back(), "Path has been saved");
    EXPECT_EQ(g.settings.folderPaths[5], "/maps/osm");

    dialog.Option2[1].setValue(true);
    dialog.Dir1.setPath(g.dataFolder + "/gpx");
    auto* view = static_cast<QListWidget*>(dialog.Dir1.widget());
    platform::testing::click(view->viewport(), view->visualItemRect(view->item(0)).center());
    const std::string gpx = g.dataFolder + "/gpx";
    EXPECT_EQ((Texts{g.settings.folderPaths[4], dialog.Text1[4].text()}), (Texts{gpx, gpx}));
    EXPECT_EQ(g.settings.folderPaths[5], "/maps/osm");
}

TEST_F(DialogTest, TheColourButtonsSetTheColourAndItsSwatchAtOnce) {
    Preferences& dialog = open();
    for (std::optional<std::int32_t> answer : {std::optional(0x123456), std::optional<std::int32_t>()}) {
        dialogs().scriptColour(answer);
        dialog.Command2[0].raiseClick();
        EXPECT_EQ(g.settings.backColour, 0x123456) << "a cancelled dialog keeps the colour";
        EXPECT_EQ(dialog.Shape3.backColor(), 0x123456);
    }
    dialog.Command2[1].raiseClick();
    EXPECT_EQ(g.settings.backColour, kDefaultColour);
    EXPECT_EQ(dialog.Shape3.backColor(), kDefaultColour);
}

TEST_F(DialogTest, TheZoomSidesStayExclusiveAndCommasAreDroppedFromTheNumbers) {
    Preferences& dialog = open();
    for (int index : {1, 1, 0, 0, 1}) {
        click(dialog.Check1[index]);
        EXPECT_NE(dialog.Check1[0].value(), dialog.Check1[1].value()) << index;
    }
    EXPECT_EQ(dialog.Check1[1].value(), 1);
    for (platform::TextBox* box : {&dialog.Text2, &dialog.Text3}) {
        box->setText("1");
        platform::testing::sendKey(box->widget(), Qt::Key_Comma, ",");
        platform::testing::sendKey(box->widget(), Qt::Key_5, "5");
        EXPECT_EQ(box->text(), "15");
    }
}

TEST_F(DialogTest, OkAndTheCloseBoxCloseOnlyOnValidValues) {
    Preferences& dialog = open();
    dialog.txmil.setText("0");
    dialog.Text2.setText("20");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialog.Command1.raiseClick();
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(messages().size(), 2u);
    dialog.txmil.setText("4");
    dialog.Text2.setText("9");
    dialog.window()->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(g.settings.labelFontSize, 9);
}

} // namespace
} // namespace prefs
