#include "prefs/helplinks.h"

#include "window/mapwindow.h"
#include "window/webaddresses.h"
#include "platform/desktop.h"

#include <string>

namespace prefs {

void mhlp_Click(int index) {
    std::string address;
    if (index == 0) address = core::web::kManual;
    if (index == 1) address = core::web::kWebPage;
    if (address.empty()) return;
    platform::desktop().open(address);
}

void connectHelpMenu(core::MapWindow& map) {
    map.menus.mhlp.onClick = [](int index) { mhlp_Click(index); };
    // The Help menu answers while a file loads.
    for (int i = 0; i <= map.menus.mhlp.ubound(); ++i) map.menus.mhlp[i].setRunsWhileBusy(true);
}

} // namespace prefs
