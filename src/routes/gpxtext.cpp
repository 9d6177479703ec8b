#include "routes/gpxtext.h"

#include "basic/digits.h"
#include "basic/numtext.h"
#include "routes/xmltext.h"
#include "window/global.h"

#include <algorithm>
#include <cmath>

namespace routes {

namespace {

using basic::Single;

constexpr int kSingleDigits = 7;
constexpr std::string_view kGpxNamespace = "http://www.topografix.com/GPX/1/1";
constexpr std::string_view kGpxSchema = "http://www.topografix.com/GPX/1/1/gpx.xsd";
constexpr std::string_view kSchemaInstance = "http://www.w3.org/2001/XMLSchema-instance";
constexpr std::string_view kKmlNamespace = "http://earth.google.com/kml/2.0";

// The longest point line of either document, with room to spare; only for reserving.
constexpr std::size_t kPointBytes = 240;

void appendQuoted(std::string& out, std::string_view text) {
    out += '"';
    out += text;
    out += '"';
}

void appendQuotedCoordinate(std::string& out, Single v) {
    out += '"';
    appendCoordinate(out, v);
    out += '"';
}

// "lon,lat,0", as KML orders a coordinate.
void appendLonLat(std::string& out, Single lat, Single lon) {
    appendCoordinate(out, lon);
    out += ',';
    appendCoordinate(out, lat);
    out += ",0";
}

// One waypoint or route point line; only the waypoint has a blank before its lon attribute.
void appendGpxPoint(std::string& out, std::string_view tag, Single lat, Single lon, std::size_t number) {
    out += '<';
    out += tag;
    out += " lat=";
    appendQuotedCoordinate(out, lat);
    out += tag == "wpt" ? "\t lon=" : "\tlon=";
    appendQuotedCoordinate(out, lon);
    out += "><name>WP0";
    basic::appendDec(out, static_cast<basic::Long>(number));
    out += "</name><sym>Waypoint</sym></";
    out += tag;
    out += ">\r\n";
}

} // namespace

void appendCoordinate(std::string& out, Single v) {
    if (v == 0 || !std::isfinite(v)) {
        basic::appendDec(out, v); // "0" for both zeros
        return;
    }
    const basic::DecimalDigits d = basic::significantDigits(std::fabs(static_cast<double>(v)), kSingleDigits);
    const std::string_view digits(d.digits, static_cast<std::size_t>(d.count));
    if (v < 0) out += '-';
    if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += digits;
        return;
    }
    const auto whole = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
        return;
    }
    out += digits.substr(0, whole);
    out += '.';
    out += digits.substr(whole);
}

std::string gpxText(std::span<const Single> lat, std::span<const Single> lon, std::string_view curFile) {
    const std::size_t n = std::min(lat.size(), lon.size());
    std::string out;
    out.reserve(2 * n * kPointBytes + 2 * curFile.size() + 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
    out += "<gpx version=\"1.1\" creator=";
    appendQuoted(out, "Varnoke " + basic::dec(core::kProgVersion));
    out += "\r\n  xmlns = ";
    appendQuoted(out, kGpxNamespace);
    out += "\r\nxmlns:xsi = ";
    appendQuoted(out, kSchemaInstance);
    out += "\r\n xsi:schemaLocation=\"";
    out += kGpxNamespace;
    out += ' ';
    out += kGpxSchema;
    out += "\">\r\n";
    for (std::size_t i = 0; i < n; ++i)
        appendGpxPoint(out, "wpt", lat[i], lon[i], i + 1);
    out += "<rte><name>";
    appendXmlText(out, curFile);
    out += "</name>\r\n";
    for (std::size_t i = 0; i < n; ++i)
        appendGpxPoint(out, "rtept", lat[i], lon[i], i + 1);
    // The text starts with "<?xml" and ends with "</gpx>": there are no outer blanks to trim.
    out += "</rte></gpx>";
    return out;
}

std::string kmlText(std::span<const Single> lat, std::span<const Single> lon, std::string_view curFile) {
    const std::size_t n = std::min(lat.size(), lon.size());
    std::string out;
    out.reserve(2 * n * kPointBytes + 2 * curFile.size() + 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    out += "<kml xmlns=";
    appendQuoted(out, kKmlNamespace);
    out += ">\r\n<Document><name>";
    appendXmlText(out, curFile);
    out += "</name>\r\n";
    out +=
        "<Style id=\"routeStyle\"><LineStyle><color>FFff0000</color><width>3</width></LineStyle></Style>\r\n";
    out +=
        "<Style id=\"pathStyle\"><LineStyle><color>FFFF0000</color><width>3</width></LineStyle></Style>\r\n";
    out += "<Folder><name>Waypoints</name>\r\n";
    for (std::size_t i = 0; i < n; ++i) {
        out += "<Placemark>\r\n<name></name>\r\n<description></description>\r\n<Point><coordinates>";
        appendLonLat(out, lat[i], lon[i]);
        out += "</coordinates>\r\n</Point>\r\n</Placemark>\r\n";
    }
    out += "</Folder><Folder><name>Routes</name><Placemark><name>";
    appendXmlText(out, curFile);
    out += "</name>\r\n<styleUrl>#routeStyle</styleUrl><MultiGeometry><LineString><coordinates>";
    for (std::size_t i = 0; i < n; ++i) {
        appendLonLat(out, lat[i], lon[i]);
        out += ' ';
    }
    out += "\r\n</coordinates></LineString></MultiGeometry></Placemark>\r\n";
    out += "</Folder></Document></kml>";
    return out;
}

} // namespace routes
