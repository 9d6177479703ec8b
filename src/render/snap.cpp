#include "render/snap.h"

#include "platform/canvasscale.h"
#include "platform/hourglass.h"
#include "window/mapwindow.h"
#include "window/redrawrequest.h"
#include "window/resume.h"

namespace render {

void paintShownMap(core::MapWindow& map, double shiftX, double shiftY) {
    const platform::PictureBox& shown = map.view.Picture1;
    const platform::PictureBox& p1 = map.view.p1;
    platform::PictureBox& p2 = map.view.p2;
    using platform::scalemode::Pixels;
    using platform::scalemode::User;

    // The region in p1's pixels: from the viewport's top-left corner, as far as the viewport goes.
    const double left = shown.lengthToPixelsX(-p1.left()) + p1.scaleX(shiftX, User, Pixels);
    const double top = shown.lengthToPixelsY(-p1.top()) + p1.scaleY(shiftY, User, Pixels);
    const double width = shown.pixelWidth();
    const double height = shown.pixelHeight();

    // The source is measured in p2's own units.
    p2.paintPicture(p1.image(), p2.scaleLeft(), p2.scaleTop(), p2.scaleWidth(), p2.scaleHeight(),
                    p2.scaleX(left, Pixels, User), p2.scaleY(top, Pixels, User),
                    p2.scaleX(width, Pixels, User), p2.scaleY(height, Pixels, User));
}

void snap(core::MapWindow& map) {
    platform::PictureBox& p2 = map.view.p2;
    p2.setVisible(false);
    p2.setAutoRedraw(true);
    p2.cls();
    core::resumeNextWithMessage([&] { paintShownMap(map, 0, 0); });
    p2.setAutoRedraw(false);
    p2.setVisible(true);
}

void hideSnap(core::MapWindow& map) {
    map.view.p2.setVisible(false);
    map.view.p2.cls();
}

void redrawBehindSnap(core::MapWindow& map) {
    platform::hourglassOn();
    snap(map);
    core::redrawMap(map);
    hideSnap(map);
    platform::hourglassOff();
}

} // namespace render
