#include "import/bounds.h"

#include "basic/fault.h"
#include "basic/val.h"
#include "import/tagtext.h"

#include <cmath>
#include <limits>

namespace osmimport {

namespace {

Single latitude(std::string_view text) {
    return static_cast<Single>(degreesValue(text, kMostLatitude));
}

Single longitude(std::string_view text) {
    return static_cast<Single>(degreesValue(text, kMostLongitude));
}

std::optional<Long> scaleOf(double scaleWidth, double west, double east) {
    const double extent = std::fabs(east - west);
    if (extent == 0) return std::nullopt;
    const double scale = basic::roundHalfEven(scaleWidth / extent / 4);
    if (!(scale >= std::numeric_limits<Long>::min() && scale <= std::numeric_limits<Long>::max()))
        return std::nullopt;
    return static_cast<Long>(scale);
}

// Item k (from 0) of text split at ",", the empty text when there are fewer items.
std::string_view commaItem(std::string_view text, int k) {
    std::size_t from = 0;
    for (; k > 0; --k) {
        const std::size_t comma = text.find(',', from);
        if (comma == std::string_view::npos) return {};
        from = comma + 1;
    }
    return text.substr(from, text.find(',', from) - from);
}

Bounds boundsForm(std::string_view header, std::size_t at, char quote, double scaleWidth) {
    const std::string_view rest = header.substr(std::min(header.size(), at + 8));
    Bounds b;
    b.form = BoundsForm::Bounds;
    b.mapLat0 = latitude(getval(rest, "maxlat", quote));
    b.mapLon0 = longitude(getval(rest, "minlon", quote));
    b.mapScale = scaleOf(scaleWidth, b.mapLon0, degreesValue(getval(rest, "maxlon", quote), kMostLongitude));
    return b;
}

Bounds boxForm(std::string_view header) {
    std::string_view first = commaItem(header, 0);
    if (const std::size_t box = first.find("box"); box != std::string_view::npos)
        first = first.substr(std::min(first.size(), box + 5));
    Bounds b;
    b.form = BoundsForm::BoundBox;
    b.mapLat0 = latitude(first);
    b.mapLon0 = longitude(commaItem(header, 1));
    if (b.mapLat0 == 0) b.mapLat0 = latitude(commaItem(header, 2));
    b.mapScale = kBoxFormScale;
    return b;
}

} // namespace

double degreesValue(std::string_view text, double most) {
    double v = 0;
    try {
        v = basic::val(text);
    } catch (const basic::RuntimeFault&) {
        return 0;
    }
    return std::fabs(v) <= most ? v : 0; // NaN fails the test too
}

Bounds readBounds(std::string_view header, char quote, double scaleWidth) {
    if (const std::size_t at = header.find("<bounds"); at != std::string_view::npos)
        return boundsForm(header, at, quote, scaleWidth);
    if (header.find("<bound") != std::string_view::npos) return boxForm(header);
    return {};
}

Single latStretch(Single mapLat0) {
    return static_cast<Single>(1.0 + std::fabs(static_cast<double>(mapLat0)) / 100.0);
}

Single loadRate(Long nodeCount) {
    if (nodeCount < 2000) return 0.2f;
    if (nodeCount < 20000) return 0.9f;
    if (nodeCount < 30000) return 1.6f;
    if (nodeCount < 35000) return 1.7f;
    return 2.0f;
}

} // namespace osmimport
