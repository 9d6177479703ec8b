// The Preferences window driven through its controls.

#include "basic/colour.h"
#include "basic/wholefile.h"
#include "platform/controls_testing.h"
#include "preferences_fixture.h"
#include "prefs/fontlist.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QTimer>

namespace prefs {
namespace {

using testing::PreferencesTest;
using Texts = std::vector<std::string>;

constexpr int kDefaultColour = 0xE8EEF1; // RGB(241,238,232)

// Every test opens on an existing font list: no compiling message.
class DialogTest : public PreferencesTest {
protected:
    void SetUp() override {
        PreferencesTest::SetUp();
        basic::writeFileWhole(fontsPath(), fontListBytes(core::kProgVersion, testing::kListedFonts));
    }
    static QPoint centre(platform::WindowedControl& control) { return control.widget()->rect().center(); }
};

TEST_F(PreferencesTest, ShownModallyItOpensFilledAndStaysUntilClosed) {
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    g.settings.speedMph = 4.5f;
    Preferences dialog(g);
    std::string speedShown;
    bool visibleWhileWaiting = false;
    QTimer::singleShot(0, [&] {
        visibleWhileWaiting = dialog.visible() && testing::waitForActivation(dialog);
        speedShown = dialog.txmil.text();
        dialog.Command1.raiseClick();
    });
    dialog.show(true);
    EXPECT_EQ(dialog.caption(), "Settings");
    EXPECT_TRUE(visibleWhileWaiting);
    EXPECT_EQ(speedShown, "4.5");
    EXPECT_FALSE(dialog.visible());
}

TEST_F(DialogTest, TheFieldsShowTheSettingsAndShortFontNamesOpenAsArial) {
    core::Settings& s = g.settings;
    s.fontNames = {"0123", "Ab", ""};
    s.zoomLeft = false;
    s.backColour = basic::rgb(10, 20, 30);
    s.labelFontSize = 9;
    s.maxGreenNodes = 120;
    s.patternFill = 0;
    Preferences& dialog = open();
    EXPECT_EQ(s.fontNames, (std::array<std::string, 3>{"0123", "Arial", "Arial"}));
    EXPECT_EQ(dialog.Text1[1].text(), "0123");
    EXPECT_EQ(dialog.Text1[2].font().name, "Arial");
    EXPECT_EQ(dialog.Check1[0].value(), 0);
    EXPECT_EQ(dialog.Check1[1].value(), 1);
    EXPECT_EQ(dialog.Shape3.backColor(), basic::rgb(10, 20, 30));
    EXPECT_EQ(dialog.Shape4.backColor(), kDefaultColour);
    EXPECT_EQ((Texts{dialog.txmil.text(), dialog.Text2.text(), dialog.Text3.text()}), (Texts{"3.3", "9", "120"}));
    EXPECT_EQ(dialog.Check2.value(), 0);
    EXPECT_FALSE(dialog.Dir1.enabled());
    EXPECT_EQ(dialog.Label3.caption(), "Double Click on Folder to Locate\r\nClick Set Folder to save");
}

TEST_F(DialogTest, AChosenFontSetsItsSlotAndItsPreview) {
    Preferences& dialog = open();
    dialog.Combo1[1].setListIndex(1);
    EXPECT_EQ(g.settings.fontNames[1], "0123");
    EXPECT_EQ(dialog.Text1[2].text(), "0123");
    EXPECT_EQ(dialog.Text1[2].font().name, "0123");
    EXPECT_EQ(dialog.Text1[1].text(), "Arial") << "the other previews stay";
}

TEST_F(DialogTest, SetFolderStoresTheTypedFolderOfTheChosenKindOnly) {
    g.settings.folderPaths[5] = folder();
    Preferences& dialog = open();
    dialog.txmil.setText("8");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialog.Command4[1].raiseClick();
    activate(dialog); // the message box gives the focus back
    EXPECT_EQ(messages(), Texts{"Please select OSM or GPX"});
    EXPECT_EQ(g.settings.folderPaths[5], folder());
    EXPECT_EQ(dialog.txmil.text(), "8") << "the box does not refill the fields";
    EXPECT_TRUE(dialog.Text1[4].enabled());

    dialog.Option2[0].setValue(true);
    EXPECT_EQ(dialog.folderSlot, kOsmFolderSlot);
    EXPECT_EQ(dialog.Text1[4].text(), folder());
    EXPECT_EQ(dialog.Dir1.path(), folder());
    EXPECT_TRUE(dialog.Dir1.enabled());
    dialog.Text1[4].setText("/maps/osm");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialog.Command4[6].raiseClick();
    EXPECT_EQ(messages().back(), "Path has been saved");
    EXPECT_EQ(g.settings.folderPaths[5], "/maps/osm");
    EXPECT_EQ(g.settings.folderPaths[4], "");
}

TEST_F(DialogTest, APressOnTheFolderListStoresItsFolderInTheChosenSlot) {
    ASSERT_TRUE(QDir(QString::fromStdString(folder())).mkpath("gpx"));
    Preferences& dialog = open();
    dialog.Option2[1].setValue(true); // GPX: its empty folder leaves the list where it was
    dialog.Dir1.setPath(folder() + "/gpx");
    auto* view = static_cast<QListWidget*>(dialog.Dir1.widget());
    platform::testing::click(view->viewport(), view->visualItemRect(view->item(0)).center());
    EXPECT_EQ(g.settings.folderPaths[kGpxFolderSlot], folder() + "/gpx");
    EXPECT_EQ(dialog.Text1[4].text(), folder() + "/gpx");
}

TEST_F(DialogTest, TheColourButtonsSetTheColourAndItsSwatchAtOnce) {
    Preferences& dialog = open();
    dialogs().scriptColour(0x123456);
    dialog.Command2[0].raiseClick();
    EXPECT_EQ(g.settings.backColour, 0x123456);
    EXPECT_EQ(dialog.Shape3.backColor(), 0x123456);

    dialogs().scriptColour(std::nullopt);
    dialog.Command2[0].raiseClick();
    EXPECT_EQ(dialogs().shown().back().initialColour, 0x123456);
    EXPECT_EQ(g.settings.backColour, 0x123456) << "a cancelled dialog keeps the colour";
    EXPECT_EQ(dialog.Shape3.backColor(), 0x123456);

    dialog.Command2[1].raiseClick();
    EXPECT_EQ(g.settings.backColour, kDefaultColour);
    EXPECT_EQ(dialog.Shape3.backColor(), kDefaultColour);
}

TEST_F(DialogTest, TheZoomSidesStayExclusiveUnderTheUsersClicks) {
    Preferences& dialog = open();
    for (int index : {1, 1, 0, 0}) {
        platform::testing::click(dialog.Check1[index].widget(), centre(dialog.Check1[index]));
        EXPECT_NE(dialog.Check1[0].value(), dialog.Check1[1].value()) << index;
    }
    platform::testing::click(dialog.Check1[1].widget(), centre(dialog.Check1[1]));
    EXPECT_EQ(dialog.Check1[1].value(), 1);
}

TEST_F(DialogTest, ACommaTypedInTheNumberBoxesIsDropped) {
    Preferences& dialog = open();
    for (platform::TextBox* box : {&dialog.Text2, &dialog.Text3, &dialog.txmil}) {
        box->setText("1");
        platform::testing::sendKey(box->widget(), Qt::Key_Comma, ",");
        platform::testing::sendKey(box->widget(), Qt::Key_5, "5");
    }
    EXPECT_EQ((Texts{dialog.Text2.text(), dialog.Text3.text(), dialog.txmil.text()}), (Texts{"15", "15", "1,5"}));
}

TEST_F(DialogTest, OkAndTheCloseBoxRunTheCloseCheck) {
    Preferences& dialog = open();
    dialog.txmil.setText("abc");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialog.Command1.raiseClick();
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(g.settings.speedMph, 0.0f);

    dialog.txmil.setText("0");
    dialog.Text2.setText("20");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialog.window()->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(messages().size(), 3u);

    dialog.txmil.setText("4");
    dialog.Text2.setText("9");
    dialog.window()->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(g.settings.labelFontSize, 9);
    EXPECT_TRUE(g.settings.fontSizeChanged);
}

} // namespace
} // namespace prefs
