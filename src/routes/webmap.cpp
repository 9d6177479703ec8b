#include "routes/webmap.h"

#include "basic/format.h"
#include "window/mapwindow.h"
#include "window/view.h"
#include "window/viewwindow.h"
#include "window/webaddresses.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/screen.h"
#include "platform/webbrowser.h"
#include "routes/googlewindow.h"
#include "routes/gpxwriter.h"

#include <optional>

namespace routes {
namespace {

constexpr int kOpenStreetMap = 0;
constexpr int kGoogleMap = 2;

std::string quoted(char q, std::string_view value) {
    std::string text(1, q);
    text += value;
    text += q;
    return text;
}

// The window `google`, made on first use and kept by the main window.
GoogleWindow& googleWindow(core::MapWindow& map) {
    if (!map.google) map.google = std::make_unique<GoogleWindow>(map.form, map.global.webPagePath);
    return static_cast<GoogleWindow&>(*map.google);
}

void showGoogleMap(core::MapWindow& map) {
    if (!map.data.mapRead) {
        platform::dialogs().msgBox("Please load OSM or Project file.", platform::msgbox::OkOnly);
        return;
    }
    const platform::ScreenSize screen = platform::screenSize();
    const int twipsPerPixel = platform::screenTwipsPerPixelX();
    const std::string page = webMapPage(map.global.quoteChar, screen.widthTwips / twipsPerPixel,
                                        screen.heightTwips / twipsPerPixel, webMapCentre(map));
    map.global.webPagePath = map.global.dataFolder + "/googmap.html";
    // An older page is never shown as this view's.
    if (!Savetext(map.global.webPagePath, page)) return;

    if (!platform::webBrowsersAvailable()) {
        platform::desktop().open(map.global.webPagePath);
        return;
    }
    if (map.google && map.google->visible()) map.google->unload();
    GoogleWindow& window = googleWindow(map);
    window.setPagePath(map.global.webPagePath);
    window.show();
    window.showPageOnce();
}

} // namespace

WebMapCentre webMapCentre(const core::MapWindow& map) {
    const core::PicturePoint middle = core::uncoveredCentre(map);
    const std::optional<core::LonLat> point = core::pictureToLonLat(map.global, map.data, middle.x, middle.y);
    if (!point) return {};
    return {point->lat, point->lon};
}

std::string webMapPage(char q, int widthPx, int heightPx, WebMapCentre centre) {
    std::string page = "<!DOCTYPE html PUBLIC " + quoted(q, "-//W3C//DTD XHTML 1.0 Strict//EN") + "  " +
                       quoted(q, "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd") +
                       "><html xmlns=" + quoted(q, "http://www.w3.org/1999/xhtml") + ">";
    page += "<html><body>";
    page += "<iframe width=" + quoted(q, std::to_string(widthPx)) + " height=" + quoted(q, std::to_string(heightPx)) +
            " frameborder=" + quoted(q, "0");
    page += "scrolling=" + quoted(q, "yes") + " marginheight=" + quoted(q, "0") + " marginwidth=" + quoted(q, "0") +
            "src=" + q;
    page += "http://" + std::string(core::web::kGoogleMapsHost) + "/maps?hl=en&amp;ie=UTF8&amp;ll=" +
            basic::format(centre.lat, ".0000") + "," + basic::format(centre.lon, ".0000") +
            "&amp;z=13&amp;output=embed" + q;
    page += "></iframe></body></html>";
    return page;
}

void mint_Click(core::MapWindow& map, int index) {
    if (index == kOpenStreetMap) {
        if (map.data.mapLoading) return;
        platform::desktop().open(std::string(core::web::kOpenStreetMapHome));
    } else if (index == kGoogleMap) {
        showGoogleMap(map);
    }
}

void connectInternetMenu(core::MapWindow& map) {
    map.menus.mint.onClick = [&map](int index) { mint_Click(map, index); };
}

} // namespace routes
