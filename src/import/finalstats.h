#pragma once
// The last look at the finished node and way data before the project file is written: ways that
// touch no other way get a signal look, and railway stations with no platform near them get a
// "Platforms?" marker. Markers are kept as data (the node in questList, the text in questTexts);
// the drawing makes the visible markers.

#include "basic/numbers.h"
#include "import/nodeclass_step.h"
#include "import/projectdata.h"

#include <span>
#include <string>
#include <string_view>

namespace osmimport {

inline constexpr std::string_view kPlatformsMarkerText = "Platforms?";

// The great-circle distance between two points in degrees, latitude first; the unit "m" gives
// statute miles. The main window passes its own.
using Distance = double (*)(double lat1, double lon1, double lat2, double lon2, std::string_view unit);

// The window's side of the step.
class FinalStatsSink {
public:
    virtual ~FinalStatsSink() = default;
    // Lets waiting window events through; asked before each way the step walks.
    virtual void letEventsThrough() = 0;
    // A "Platforms?" marker was placed: the count label numb(29) shows caption.
    virtual void questCaption(Long caption) = 0;
};

// A node's stored map position turned back into degrees: lon = mapLon0 + (X - 3000) / mapScale,
// lat = mapLat0 + (2500 - Y) / (mapScale * (1 + |mapLat0| / 100)).
struct Degrees {
    double lon = 0;
    double lat = 0;
};
Degrees mapToDegrees(const ProjectData& data, Double x, Double y);

// Ways without an area style whose nodes no other way uses (every node used once) get the
// colour RGB(255,0,255) when drawn thin (wayLayer below 100, wayWidth below 6) and not a
// railway ("rail" in the raw text); otherwise they move to wayLayer 2. A closed way uses its
// first node twice and so counts as connected. wayPieces[i] is the raw text of way i, for i
// 1..wayCount (element 0 unused); a missing piece reads as empty. Index texts that are not a
// node of the data connect nothing.
void markUnconnectedWays(ProjectData& data, std::span<const std::string_view> wayPieces,
                         FinalStatsSink& sink);

// For every station of stations.nodes (the non-subway stations), in list order: when no
// platform of platformPosList ("lon,lat#" per platform way) lies closer than 2.0 statute miles,
// a "Platforms?" marker at the station's node (questCount + 1, the text, the node & "#" in
// questList), after the caption questCount - questAreaCount goes to numb(29). A station's own
// position is its node's map position turned back into degrees (mapToDegrees), the same way
// the platform positions were made. Nothing happens when the file has no station at all.
void markStationsWithoutPlatforms(ProjectData& data, const StationLists& stations,
                                  std::string_view platformPosList, Long questAreaCount, Distance distance,
                                  FinalStatsSink& sink);

} // namespace osmimport
