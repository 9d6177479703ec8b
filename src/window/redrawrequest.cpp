#include "window/redrawrequest.h"

namespace core {
namespace {

MapRedraw& current() {
    static MapRedraw redraw = nullptr;
    return redraw;
}

} // namespace

void redrawMap(MapWindow& map) {
    if (current()) current()(map);
}

void setMapRedraw(MapRedraw redraw) {
    current() = redraw;
}

} // namespace core
