#pragma once
// Moving around the map: a left drag pans (with the still copy `p2` following the mouse), a
// right drag draws the zoom box `rec`, the zoom buttons `Image4` halve and double the zoom, the
// mouse wheel zooms about the cursor through the wheel timer `tm2`, a left click in route mode
// adds a route point, and the cursor position shows as longitude and latitude in status panel 3.
// Every change of view ends in a redraw.

#include "basic/numbers.h"
#include "window/view.h"

#include <optional>
#include <string>

namespace core {

class MapWindow;

// What a release on the map does.
enum class Release {
    Click,       // nothing but the preview (and a thin zoom box) hidden again
    RoutePoint,  // route mode: the point under the cursor joins the route
    Pan,         // a left drag that showed the preview moves the map by it
    ZoomBox,     // a right drag zooms into its box
    OtherButton, // any other button only redraws
};

// A left release pans exactly when the drag showed its preview (routeHold); without it, it adds
// a route point in route mode and is a click otherwise. A right release is a zoom box only when
// it moved at least 2 x viewZoom along both axes (dx, dy: press minus release).
Release classifyRelease(int button, bool routeDrawing, bool routeHold, double dx, double dy,
                        basic::Single viewZoom);

// The status read-out: lon & " , " & lat, each with four decimals and no digit before the point
// below magnitude 1 ("-.2500 , 51.5000"), whatever the process locale.
std::string cursorText(const LonLat& position);

// The zoom a right-drag box of `width` x `height` (p1 units) asks for in a viewport `viewHeight`
// twips high: viewZoom + viewHeight / (the larger side) / 6, at most 50. Nothing for a box of no
// size.
std::optional<basic::Single> boxZoom(basic::Single viewZoom, double viewHeight, double width, double height);

// Gathers the wheel's turns into whole steps of one notch (120), so that the fine deltas of
// high-resolution wheels and touchpads zoom once per notch's worth. A turn the other way starts
// the gathering afresh.
class WheelSteps {
public:
    static constexpr int kNotch = 120;

    // The next whole step, +1 away from the user or -1 towards, taking turns from `take` (which
    // gives 0 when none waits) until one is complete; 0 when none is.
    template <class Take> int next(Take&& take) {
        for (;;) {
            if (pending_ >= kNotch) {
                pending_ -= kNotch;
                return 1;
            }
            if (pending_ <= -kNotch) {
                pending_ += kNotch;
                return -1;
            }
            const int delta = take();
            if (delta == 0) return 0;
            if ((delta > 0) != (pending_ > 0)) pending_ = 0;
            pending_ += delta;
        }
    }

private:
    int pending_ = 0;
};

// The mouse on the map picture p1 (x, y in its units) and on the preview p2.
void p1_MouseDown(MapWindow& map, int button, double x, double y);
void p1_MouseMove(MapWindow& map, int button, double x, double y);
void p1_MouseUp(MapWindow& map, int button, double x, double y);
void p2_MouseDown(MapWindow& map);
void p2_MouseUp(MapWindow& map);

// The zoom buttons: 0 doubles the zoom (up to 12), 1 halves it (down to 1.4).
void Image4_Click(MapWindow& map, int index);

// The wheel timer: one whole wheel step zooms in (away from the user) or out about the cursor
// position `mouseX`, `mouseY`; nothing while busy, and the offsets stay when the zoom refuses.
void tm2_Timer(MapWindow& map, WheelSteps& wheel);

// Connects the handlers above to p1, p2, Image4 and tm2.
void connectNavigation(MapWindow& map);

} // namespace core
