// The Help menu hands the maker's manual and web page to the desktop, also while a file loads;
// the Internet menu's "OpenStreetMap" waits until the load has ended.
#include "core/window_fixture.h"
#include "prefs/helplinks.h"
#include "support/desktoprecording.h"
#include "window/webaddresses.h"

#include <QAction>

namespace prefs {
namespace {

using HelpLinksTest = core::testing::WindowTest;

TEST_F(HelpLinksTest, HelpOpensTheManualAndTheWebPageWhileAFileLoads) {
    core::MapWindow& map = load();
    const testsupport::DesktopRecording desktop;

    map.data.mapLoading = true;
    map.menus.mhlp[0].action()->trigger();
    map.menus.mhlp[1].action()->trigger();
    map.menus.mint[0].action()->trigger();
    mhlp_Click(2); // no such entry: no address, nothing handed over
    EXPECT_EQ(desktop.targets(),
              (std::vector<std::string>{std::string(core::web::kManual), std::string(core::web::kWebPage)}));
}

} // namespace
} // namespace prefs
