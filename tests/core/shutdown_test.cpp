// Closing the main window: settings saved, an unsaved route confirmed.

#include "core/shutdown.h"
#include "core/window_fixture.h"

#include <QAction>
#include <QFile>
#include <QTimer>

namespace core::testing {
namespace {

class ShutdownTest : public WindowTest {
protected:
    std::string settingsFile() const {
        QFile file(QString::fromStdString(appPath() + "/img.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    // A route of two points drawn and not saved.
    static void drawRoute(MapWindow& map) {
        map.data.routeCount = 2;
        map.data.routeLat[1] = 51.5f;
        map.data.routeLon[1] = -0.1f;
        map.data.routeLat[2] = 51.6f;
        map.data.routeLon[2] = -0.2f;
        map.data.routeActive = true;
        map.data.routeUnsaved = true;
        map.markers.plt.load(1);
        map.markers.plt.load(2);
    }
};

TEST_F(ShutdownTest, UnsavedRouteAnsweredNoOrCancelKeepsTheWindowAndTheRoute) {
    MapWindow& map = load();
    drawRoute(map);
    map.menus.mf[15].setCaption("/maps/leeds.osm");
    for (int answer : {platform::msgbox::No, platform::msgbox::Cancel}) {
        QFile::remove(QString::fromStdString(appPath() + "/img.dat"));
        dialogs().scriptMsgBox(answer);
        EXPECT_FALSE(map.form.unload());
        EXPECT_TRUE(map.form.loaded());
        EXPECT_EQ(map.data.routeCount, 2);
        EXPECT_EQ(map.data.routeLat[2], 51.6f);
        EXPECT_TRUE(map.data.routeUnsaved);
        EXPECT_TRUE(map.markers.plt.exists(2));
        EXPECT_NE(settingsFile().find("/maps/leeds.osm\r\n"), std::string::npos) << "written all the same";
        const platform::ShownDialog& asked = dialogs().shown().back();
        EXPECT_EQ(asked.text, "Your route has not been saved. Are you sure you want to exit?");
        EXPECT_EQ(asked.style, platform::msgbox::YesNoCancel);
        EXPECT_EQ(asked.title, platform::kAppTitle);
    }
}

TEST_F(ShutdownTest, UnsavedRouteAnsweredYesCloses) {
    MapWindow& map = load();
    drawRoute(map);
    map.markers.quest.load(2);
    map.data.questCount = 2;
    dialogs().scriptMsgBox(platform::msgbox::Yes);
    EXPECT_TRUE(map.form.unload());
    EXPECT_FALSE(map.form.loaded());
    EXPECT_FALSE(map.markers.quest.exists(2)) << "the run-time markers are unloaded";
    EXPECT_FALSE(settingsFile().empty());
}

TEST_F(ShutdownTest, SavedRouteClosesWithoutAsking) {
    MapWindow& map = load();
    drawRoute(map);
    map.data.routeUnsaved = false;
    EXPECT_TRUE(map.form.unload()); // an unscripted question would throw
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(ShutdownTest, FailingSettingsSaveIsShownAndTheCloseGoesOn) {
    MapWindow& map = load();
    map.global.settingsPath = appPath() + "/missing/img.dat";
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    EXPECT_TRUE(map.form.unload());
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].text, "Path not found");
}

// File > Exit or the close box, under the program's own event loop and quit; a second question
// would take the spare answer.
class ShutdownLoopTest : public ShutdownTest, public ::testing::WithParamInterface<std::tuple<bool, int>> {};

TEST_P(ShutdownLoopTest, TheRouteQuestionIsAskedOnceAndYesAloneEndsTheProgram) {
    const auto [byMenu, answer] = GetParam();
    MapWindow& map = load();
    drawRoute(map);
    map.form.show();
    dialogs().scriptMsgBox(answer);
    dialogs().scriptMsgBox(platform::msgbox::Cancel);
    QObject scope;
    QTimer::singleShot(0, &scope, [&, byMenu = byMenu] {
        byMenu ? map.menus.mf[20].action()->trigger() : void(map.form.window()->close());
        QTimer::singleShot(0, &scope, [] { QCoreApplication::exit(1); }); // still running
    });
    const bool ended = QCoreApplication::exec() == 0;
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit); // the closed window's own quit
    EXPECT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(ended, answer == platform::msgbox::Yes);
    EXPECT_EQ(map.form.visible() && map.form.loaded() && map.markers.plt.exists(2), !ended);
}

using namespace platform::msgbox;
INSTANTIATE_TEST_SUITE_P(ExitOrCloseBox, ShutdownLoopTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(Yes, No, Cancel)));

} // namespace
} // namespace core::testing
