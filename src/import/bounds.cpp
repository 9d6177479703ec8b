#include "import/bounds.h"

#include "basic/fault.h"
#include "basic/val.h"
#include "import/tagtext.h"

#include <cmath>
#include <limits>

namespace osmimport {

namespace {

// The number value of text as a Single, 0 when it holds none or one beyond the Single range.
Single singleValue(std::string_view text) {
    try {
        return basic::csng(basic::val(text));
    } catch (const basic::RuntimeFault&) {
        return 0;
    }
}

double doubleValue(std::string_view text) {
    try {
        return basic::val(text);
    } catch (const basic::RuntimeFault&) {
        return 0;
    }
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
    b.mapLat0 = singleValue(getval(rest, "maxlat", quote));
    b.mapLon0 = singleValue(getval(rest, "minlon", quote));
    b.mapScale = scaleOf(scaleWidth, b.mapLon0, doubleValue(getval(rest, "maxlon", quote)));
    return b;
}

Bounds boxForm(std::string_view header) {
    std::string_view first = commaItem(header, 0);
    if (const std::size_t box = first.find("box"); box != std::string_view::npos)
        first = first.substr(std::min(first.size(), box + 5));
    Bounds b;
    b.form = BoundsForm::BoundBox;
    b.mapLat0 = singleValue(first);
    b.mapLon0 = singleValue(commaItem(header, 1));
    if (b.mapLat0 == 0) b.mapLat0 = singleValue(commaItem(header, 2));
    b.mapScale = kBoxFormScale;
    return b;
}

} // namespace

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
