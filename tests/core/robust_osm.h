#pragma once
// What an OSM file says of itself, read by a scanner of its own for the robustness tests: the
// node and way elements the import makes records of, the bounds and every node's position.

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace core::testing {

struct OsmFacts {
    long nodes = 0; // "<node" occurrences
    long ways = 0;  // "<way " occurrences after the last "<node"
    double minlon = 0;
    double maxlat = 0;
    double maxlon = 0;
    std::vector<double> lat; // of node i at i - 1
    std::vector<double> lon;
};

// The number in the quoted value of attribute `name` within element, NaN when it has none.
inline double attributeNumber(std::string_view element, std::string_view name) {
    const std::string key = " " + std::string(name) + "=";
    const std::size_t at = element.find(key);
    if (at == std::string_view::npos || at + key.size() >= element.size()) return NAN;
    const char quote = element[at + key.size()];
    const std::size_t from = at + key.size() + 1;
    const std::size_t to = element.find(quote, from);
    double value = NAN;
    if (to != std::string_view::npos) std::from_chars(element.data() + from, element.data() + to, value);
    return value;
}

inline long occurrences(std::string_view text, std::string_view needle, std::size_t from = 0) {
    long n = 0;
    for (std::size_t at = text.find(needle, from); at != std::string_view::npos;
         at = text.find(needle, at + needle.size()))
        ++n;
    return n;
}

inline OsmFacts osmFacts(std::string_view text) {
    OsmFacts f;
    std::size_t last = 0;
    for (std::size_t at = text.find("<node"); at != std::string_view::npos; at = text.find("<node", at + 5)) {
        const std::string_view element = text.substr(at, text.find('>', at) - at);
        f.lat.push_back(attributeNumber(element, "lat"));
        f.lon.push_back(attributeNumber(element, "lon"));
        last = at + 5;
    }
    f.nodes = static_cast<long>(f.lat.size());
    f.ways = occurrences(text, "<way ", last);
    const std::size_t bounds = text.find("<bounds");
    if (bounds != std::string_view::npos) {
        const std::string_view element = text.substr(bounds, text.find('>', bounds) - bounds);
        f.minlon = attributeNumber(element, "minlon");
        f.maxlat = attributeNumber(element, "maxlat");
        f.maxlon = attributeNumber(element, "maxlon");
    }
    return f;
}

} // namespace core::testing
