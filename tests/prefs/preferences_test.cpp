// The Preferences window driven through its controls.

#include "preferences_fixture.h"

#include <QTimer>

namespace prefs {
namespace {

using testing::PreferencesTest;

TEST_F(PreferencesTest, ShownModallyItOpensFilledAndStaysUntilClosed) {
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    g.settings.speedMph = 4.5f;
    Preferences dialog(g);
    std::string speedShown;
    bool visibleWhileWaiting = false;
    QTimer::singleShot(0, [&] {
        visibleWhileWaiting = dialog.visible() && waitForActivation(dialog);
        speedShown = dialog.txmil.text();
        dialog.Command1.raiseClick();
    });
    dialog.show(true);
    EXPECT_EQ(dialog.caption(), "Settings");
    EXPECT_TRUE(visibleWhileWaiting);
    EXPECT_EQ(speedShown, "4.5");
    EXPECT_FALSE(dialog.visible());
}

} // namespace
} // namespace prefs
