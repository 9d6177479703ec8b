// The Help menu hands the maker's manual and web page to the desktop, also while a file loads;
// the Internet menu's "OpenStreetMap" waits until the load has ended.
#include "core/window_fixture.h"
#include "platform/desktop.h"
#include "prefs/helplinks.h"
#include "window/webaddresses.h"

#include <QAction>

namespace prefs {
namespace {

using HelpLinksTest = core::testing::WindowTest;

TEST_F(HelpLinksTest, HelpOpensTheManualAndTheWebPageWhileAFileLoads) {
    core::MapWindow& map = load();
    auto recording = std::make_unique<platform::RecordingDesktop>();
    platform::RecordingDesktop& desktop = *recording;
    platform::setDesktop(std::move(recording));

    map.d.mapLoading = true;
    map.menus.mhlp[0].action()->trigger();
    map.menus.mhlp[1].action()->trigger();
    map.menus.mint[0].action()->trigger();
    mhlp_Click(2); // no such entry: no address, nothing handed over
    EXPECT_EQ(desktop.targets(),
              (std::vector<std::string>{std::string(core::web::kManual), std::string(core::web::kWebPage)}));
    platform::setDesktop(nullptr);
}

} // namespace
} // namespace prefs
