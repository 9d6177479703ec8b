#include "routes/gpximport.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "basic/wholefile.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/hourglass.h"
#include "routes/drawingmode.h"
#include "routes/gpxdisplay.h"
#include "window/mapwindow.h"
#include "window/markertable.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace routes {

namespace {

// The waypoint markers, track-point shapes and track lines of the last import.
void unloadGpxMarkers(core::MapWindow& map) {
    core::unloadMarkers(map.markers, map.data, core::MarkerKind::Gpx);
}

// Hundreds of times the text of the points an import keeps: a larger file is refused unread.
constexpr std::uint64_t kLargestGpxFile = std::uint64_t{256} << 20;

} // namespace

std::optional<std::string> readGpxFile(const std::string& path) {
    try {
        return basic::withMemoryFault([&] { return basic::readFileBytes(path, kLargestGpxFile); });
    } catch (const basic::RuntimeFault& fault) {
        platform::dialogs().msgBox(fault.description());
        return std::nullopt;
    }
}

namespace {

void abortImport(core::MapWindow& map) {
    map.menus.mfil.setEnabled(true);
    platform::hourglassOff();
    platform::dialogs().msgBox("Importing file aborted.", platform::msgbox::OkOnly);
    map.global.cancelRequested = false;
}

// The points of the file read, stored and drawn; the File menu is the caller's.
void importPoints(core::MapWindow& map, const std::string& path) {
    core::MapData& d = map.data;
    const std::optional<std::string> text = readGpxFile(path);
    platform::doEvents(); // a Cancel pressed while the file was read
    if (!text || map.global.cancelRequested) {
        abortImport(map);
        return;
    }

    GpxPoints read = readGpx(*text);
    const bool overLimit = read.overLimit;
    storeGpxPoints(d, std::move(read));
    // The points take the place of any route being drawn: a redraw in drawing mode would leave
    // them out, and the next click would write a route point over point 1.
    endRouteDrawing(map);
    if (!map.global.curFile.empty()) {
        d.trackDirty = true;
        plotgpx(map, d.gpxCount);
    }
    map.menus.mfil.setEnabled(true);
    if (overLimit) {
        platform::hourglassOff();
        platform::dialogs().msgBox(
            "This GPX file holds more than 10000 points; only the first 10000 are shown.",
            platform::msgbox::OkOnly);
    }
}

} // namespace

void storeGpxPoints(core::MapData& d, GpxPoints read) {
    // readGpx keeps at most kGpxPointLimit points; the cap holds any other list to the arrays.
    const std::size_t n = std::min(read.points.size(), kGpxPointLimit);
    std::string named = "#";
    for (std::size_t i = 0; i < n; ++i) {
        GpxPoint& point = read.points[i];
        d.routeLat[i + 1] = point.lat;
        d.routeLon[i + 1] = point.lon;
        d.pointName[i + 1] = std::move(point.name);
        if (i < read.namedCount) {
            basic::appendDec(named, static_cast<basic::Long>(i + 1));
            named += '#';
        }
    }
    d.gpxNamedPoints = std::move(named);
    d.gpxImportState = 0;
    d.gpxCount = static_cast<basic::Integer>(n);
}

void importgpx(core::MapWindow& map, const std::string& path) {
    core::MapData& d = map.data;
    // The points take the arrays of the route the caller has given up, as New Route does: there
    // is no route left to save, and the exit asks nothing about it.
    d.routeUnsaved = false;
    d.gpxNamedPoints.assign(1, '#'); // "#": no point yet
    map.menus.mfil.setEnabled(false);
    d.gpxCount = 0;
    unloadGpxMarkers(map);
    platform::hourglassOn();
    map.global.cancelRequested = false;
    try {
        importPoints(map, path);
    } catch (...) {
        map.menus.mfil.setEnabled(true); // a fault on the way still gives the menu back
        throw;
    }
}

} // namespace routes
