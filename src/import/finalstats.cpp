#include "import/finalstats.h"

#include "basic/colour.h"
#include "basic/val.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <vector>

namespace osmimport {

namespace {

constexpr double kServedMiles = 2.0;

// The node that an index text names, or 0 when it names none of the nodes 1..size - 1 of a
// per-node array.
Long nodeOf(std::string_view item, std::size_t size) {
    Long n = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), n);
    if (ec != std::errc{} || end == item.data() || n < 1 || static_cast<std::size_t>(n) >= size) return 0;
    return n;
}

// Calls take(item) for every item of a list whose items each end in "#".
template <typename Take> void forEachItem(std::string_view list, Take&& take) {
    std::size_t start = 0;
    for (std::size_t hash = list.find('#'); hash != std::string_view::npos; hash = list.find('#', start)) {
        take(list.substr(start, hash - start));
        start = hash + 1;
    }
}

std::vector<Degrees> readPositions(std::string_view list) {
    std::vector<Degrees> positions;
    forEachItem(list, [&](std::string_view item) {
        const std::size_t comma = item.find(',');
        if (comma == std::string_view::npos) return;
        positions.push_back({basic::val(item.substr(0, comma)), basic::val(item.substr(comma + 1))});
    });
    return positions;
}

} // namespace

Degrees mapToDegrees(const ProjectData& data, Double x, Double y) {
    const double scale = data.mapScale;
    return {data.mapLon0 + (x - 3000) / scale,
            data.mapLat0 + (2500 - y) / (scale * (1 + std::fabs(double{data.mapLat0}) / 100))};
}

void markUnconnectedWays(ProjectData& data, std::span<const std::string_view> wayPieces,
                         FinalStatsSink& sink) {
    const Long lastWay = std::min<Long>(data.wayCount, static_cast<Long>(data.wayNodes.size()) - 1);
    for (Long i = 1; i <= lastWay; ++i) {
        sink.letEventsThrough();
        if (data.wayFill[i] != 0 || data.wayNodes[i].empty()) continue;
        bool connected = false;
        forEachItem(data.wayNodes[i], [&](std::string_view item) {
            if (connected) return;
            const Long n = nodeOf(item, data.nodeUse.size());
            connected = n > 0 && data.nodeUse[n] > 1;
        });
        if (connected) continue;
        const std::string_view piece = static_cast<std::size_t>(i) < wayPieces.size() ? wayPieces[i] : "";
        if (data.wayLayer[i] < 100 && data.wayWidth[i] < 6 && piece.find("rail") == std::string_view::npos) {
            data.wayColour[i] = basic::rgb(255, 0, 255);
        } else {
            data.wayLayer[i] = 2;
        }
    }
}

void markStationsWithoutPlatforms(ProjectData& data, const StationLists& stations,
                                  std::string_view platformPosList, Long questAreaCount, Distance distance,
                                  FinalStatsSink& sink) {
    if (stations.positions.empty()) return;
    const std::vector<Degrees> platforms = readPositions(platformPosList);
    forEachItem(stations.nodes, [&](std::string_view item) {
        const Long n = nodeOf(item, std::min(data.nodeX.size(), data.nodeY.size()));
        if (n == 0) return;
        const Degrees station = mapToDegrees(data, data.nodeX[n], data.nodeY[n]);
        const bool served = std::any_of(platforms.begin(), platforms.end(), [&](const Degrees& p) {
            return distance(station.lat, station.lon, p.lat, p.lon, "m") < kServedMiles;
        });
        if (served) return;
        sink.questCaption(data.questCount - questAreaCount);
        ++data.questCount;
        data.questTexts.emplace_back(kPlatformsMarkerText);
        data.questList.append(item).push_back('#');
    });
}

} // namespace osmimport
