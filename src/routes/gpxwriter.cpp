#include "routes/gpxwriter.h"

#include "basic/fault.h"
#include "basic/wholefile.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "routes/gpxtext.h"
#include "window/mapwindow.h"

#include <algorithm>
#include <span>

namespace routes {

basic::Integer savegpx(core::MapWindow& map, const std::string& path, basic::Integer kind) {
    const core::MapData& d = map.data;
    // The arrays end at index 10000; a count beyond them writes what they hold.
    const int n = std::clamp<int>(d.routeCount, 0, core::kPointSlots - 1);
    if (n == 0) {
        platform::dialogs().msgBox("Draw a route first.", platform::msgbox::OkOnly);
        return basic::vbFalse;
    }
    const auto lat = std::span(d.routeLat).subspan(1, static_cast<std::size_t>(n));
    const auto lon = std::span(d.routeLon).subspan(1, static_cast<std::size_t>(n));
    std::string text =
        kind == kKmlKind ? kmlText(lat, lon, map.global.curFile) : gpxText(lat, lon, map.global.curFile);
    return basic::toFlag(Savetext(path, std::move(text)));
}

bool Savetext(const std::string& file, std::string text) {
    platform::doEvents();
    platform::doEvents();
    text += "\r\n";
    try {
        basic::writeFileWhole(file, text);
    } catch (const basic::RuntimeFault& fault) {
        platform::dialogs().msgBox(file + " " + fault.description(), platform::msgbox::OkOnly);
        return false;
    }
    return true;
}

} // namespace routes
