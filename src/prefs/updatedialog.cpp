#include "prefs/updatedialog.h"

#include "basic/numtext.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "prefs/updatecheck.h"
#include "window/global.h"
#include "window/webaddresses.h"

#include <string>

namespace prefs {

UpdateDialog::UpdateDialog()
    : platform::Form("updat"), Label2(*this, "Label2"), Label1(*this, "Label1"), Command1(*this, "Command1"),
      Command2(*this, "Command2") {
    setCaption("Updates");
    setFixedClientSize(4680, 1860);
    Label2.setAlignment(2);
    Label2.setFontBold(true);
    Label2.move(240, 240, 4200, 300);
    Label1.setAlignment(2);
    Label1.setForeColor(kLinkColour);
    Label1.move(240, 720, 4200, 255);
    Command1.setCaption("Download");
    Command1.move(840, 1200, 1335, 375);
    Command2.setCaption("Close");
    Command2.move(2505, 1200, 1335, 375);

    onLoad = [this] { fetchResult(); };
    onMouseMove = [this](int, int, double, double) { Label1.setForeColor(kLinkColour); };
    Label1.onMouseMove = [this](int, int, double, double) { Label1.setForeColor(kLinkHoverColour); };
    Label1.onMouseDown = [this](int, int, double, double) { openPage(core::web::kWebPage); };
    Command1.onClick = [this] { openPage(core::web::kDownloadPage); };
    Command2.onClick = [this] { unload(); };
}

void UpdateDialog::fetchResult() {
    platform::hourglassOn();
    if (CheckForUpdate(core::kProgVersion))
        Label2.setCaption("An Update is available.");
    else
        Label2.setCaption("Current Version:" + basic::dec(core::kProgVersion));
    Label1.setCaption("Click here to check website");
    platform::hourglassOff();
}

void UpdateDialog::openPage(std::string_view address) {
    platform::hourglassOn();
    platform::desktop().open(std::string(address));
    for (int i = 0; i < 3; ++i)
        platform::doEvents();
    platform::hourglassOff();
    unload();
}

} // namespace prefs
