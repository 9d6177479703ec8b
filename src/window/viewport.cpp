#include "window/viewport.h"

#include "platform/units.h"

namespace core {
namespace {

constexpr double kMapPictureTwips = platform::kMapPicturePixels * platform::kTwipsPerPixel;
constexpr double kTwipsPerUnit = kMapPictureTwips / platform::kMapPictureUnits;
// The wheel poll's interval in milliseconds.
constexpr int kWheelPollMs = 100;
constexpr int kScrollStep = 100;
constexpr int kScrollPage = 1000;

} // namespace

Viewport::Viewport(platform::Form& form)
    : Picture1(form, "Picture1"), p1(Picture1, "p1"), rec(p1, "rec"), bub(p1, "bub"), bubtxt(bub, "bubtxt"),
      p2(form, "p2"), p3(form, "p3"), VS(form, "VS", platform::ScrollBar::Kind::Vertical),
      hs(form, "hs", platform::ScrollBar::Kind::Horizontal), sb1(form, "sb1", kStatusPanels), tm2("tm2") {
    Picture1.setBorderStyle(0);
    Picture1.move(-1725, 2250, 9915, 8745);

    // The map picture: a square image in a user scale, moved inside Picture1 by the scroll bars.
    p1.setBorderStyle(0);
    p1.move(0, 0, kMapPictureTwips, kMapPictureTwips);
    p1.setScaleWidth(platform::kMapPictureUnits);
    p1.setScaleHeight(platform::kMapPictureUnits);
    p1.setRunsWhileBusy(true); // the press on the map runs even while busy

    rec.setVisible(false);
    rec.setBorderStyle(3);

    bub.setVisible(false);
    bub.setBorderStyle(1);
    bub.setBackColor(0xE1FFFF);
    // 1410 x 285 twips (94 x 19 pixels), in p1's units.
    bub.move(600, 600, 1410 / kTwipsPerUnit, 285 / kTwipsPerUnit);
    bubtxt.setBackStyle(0);
    bubtxt.move(0, 0, 1410, 285);

    p2.setBorderStyle(0);
    p2.setVisible(false);
    p2.move(12075, 6045, 3030, 1155);

    p3.setBorderStyle(0);
    p3.setVisible(false);
    p3.move(0, 0, 570, 480);

    VS.move(14715, 7980, 315, 3840);
    hs.move(2580, 8100, 9450, 255);
    for (platform::ScrollBar* bar : {&VS, &hs}) {
        bar->setSmallChange(kScrollStep);
        bar->setLargeChange(kScrollPage);
    }
    // The horizontal scroll bar lies over the status bar's upper edge: the bar is high enough
    // for its texts to show below it.
    sb1.setHeight(720);
    // Panel 2 shows the route's length and travel time whole, however long the route.
    sb1.setPanelFitsText(2, true);

    tm2.setEnabled(false);
    tm2.setInterval(kWheelPollMs);
}

} // namespace core
