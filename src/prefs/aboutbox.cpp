#include "prefs/aboutbox.h"

#include "basic/numtext.h"
#include "platform/artwork.h"
#include "window/global.h"

namespace prefs {
namespace {

constexpr const char* kMakerLine = "  Varnoke developers, for OpenStreetMap mappers";

} // namespace

AboutBox::AboutBox()
    : platform::Form("Infor"), Picture1(*this, "Picture1"), Label1(*this, "Label1"), Label6(*this, "Label6"),
      Label10(*this, "Label10"), Command1(*this, "Command1") {
    setCaption("Information");
    setFixedClientSize(5775, 2040);
    Picture1.setArtwork("about/Picture1");
    Picture1.move(240, 240, 960, 960);
    Label1.move(1440, 300, 4200, 255);
    Label6.setCaption("Version B");
    Label6.move(1440, 660, 1500, 255);
    Label10.move(1440, 960, 1500, 255);
    Command1.setCaption("OK");
    Command1.move(4440, 1440, 1095, 375);

    onActivate = [this] {
        Label10.setCaption("Beta ");
        Label6.setCaption("Beta");
        Label1.setCaption("Version " + basic::dec(core::kProgVersion) + kMakerLine);
    };
    Command1.onClick = [this] { unload(); };
}

} // namespace prefs
