#pragma once
// The window-level data model of the main window `map`: the loaded map (the data an import
// produces and a project file carries, osmimport::ProjectData: header values, node and way
// arrays, marker lists and problem texts), and around it the route and GPX point store,
// category flags, busy flags and the counters of the markers loaded at run time. Plain data:
// the procedures that fill and read it live with their subsystems.

#include "basic/numbers.h"
#include "import/projectcache.h"
#include "import/projectdata.h"

#include <array>
#include <string>
#include <vector>

namespace core {

using basic::Double;
using basic::Integer;
using basic::Long;
using basic::Single;

// The POI categories 0..25 of the category buttons and of `catShown`.
inline constexpr int kCategoryCount = 26;
// The route and GPX point arrays hold indexes 0..10000.
inline constexpr int kPointSlots = 10001;

struct MapData : osmimport::ProjectData {
    // The point store: the user's route (1..routeCount) and imported GPX points (1..gpxCount).
    std::vector<Single> routeLat = std::vector<Single>(kPointSlots);
    std::vector<Single> routeLon = std::vector<Single>(kPointSlots);
    std::vector<std::string> pointName = std::vector<std::string>(kPointSlots);
    Integer routeCount = 0;
    Integer gpxCount = 0;
    // The imported points that came from waypoints or route points: "#", then each index and "#".
    std::string gpxNamedPoints = "#";
    Integer pltCount = 0;
    Integer routeSel = 0; // the selected route point, -1 none
    // Where on p1 the drag of route point routeSel began: a drop there moves nothing.
    Single routeDragX = 0;
    Single routeDragY = 0;
    bool routeDrawing = false;
    bool routeUnsaved = false;
    bool routeActive = false;
    bool routeHold = false;
    bool trackDirty = false;
    Integer gpxImportState = 0;

    // Categories and POI display.
    std::array<Integer, kCategoryCount> catShown{};
    bool poiReplot = false;
    // Style codes painted plainly: a style whose character occurs here is painted as style 99.
    std::string plainIconCodes;

    // Busy flags and the import's load estimate.
    bool drawBusy = false;
    bool mapLoading = false;
    bool mapRead = false; // a project file was read whole since start (an import ends with one)
    bool formActivated = false;
    Single loadRate = 0;
    Long loadNodes = 0; // the node count of the import that runs

    // Problem and list texts of the loaded file beyond those the project file carries.
    std::string unjoinedWayList;
    std::string noNameFlags;
    // Per POI category 0..23, the unnamed markers its icons carry: "#" and each position and "#".
    std::array<std::string, 24> catNoNameList;
    std::string amenFlags;
    std::string pointrList = "#";
    std::string leakedAreas;
    Integer listKind = 0; // the list the problem panel shows

    // Counters of the markers loaded at run time: the highest element loaded. Arrays whose
    // elements 0 and 1 exist at design time rest at 1, the others at 0.
    Integer shape1Count = 1;
    Integer addrCount = 0;
    Integer busCount = 1;
    Integer pbCount = 1;
    Integer pboxCount = 1;
    Integer atmCount = 1;
    Integer recycCount = 1;
    Integer labCount = 0;
    Integer chrchCount = 1;
    Integer phoneCount = 1;
    Integer toiletCount = 1;
    Integer petrolCount = 1;
    Integer roundabCount = 1;
    Integer parkCount = 1;
    Integer trafficCount = 1;
    Integer pylonCount = 0;
    Integer statCount = 1;
    Integer hotelCount = 1;
    Integer hospitCount = 1;
    Integer schoolCount = 1;
    Integer touriCount = 1;
    Integer amenCount = 1;
    Integer shoppCount = 1;
    Integer histCount = 1;
    Integer restaCount = 1;
    Integer nonnCount = 0;
    Integer fireCount = 0;
    Integer pharmCount = 1;
    Integer coffeCount = 1;
    Integer bankCount = 1;
    Integer gpsCount = 0;
    Integer linCount = 0;
    Integer gptCount = 0;
    Integer pointrCount = 0;
    // Per-file totals the count panel reads.
    Integer amenFlagLen = 0;
    Long chainExtraCount = 0;

    // The project file parsedPath names, parsed once and kept while the file is unchanged (the
    // file an import wrote: until a file is opened); the drawing and the name search take the map
    // from it.
    osmimport::ParsedProjectFile parsedFile;

    // View and display state of the window.
    Integer mapMode = 0; // 0 "Show Errors", 1 "Hide Errors", 2 "Planning Sheet"
    bool authorSelected = false;
    Integer authorListIndex = -1;
    std::string authorFilter;
    Integer mouseX = 0;
    Integer mouseY = 0;
    Single dragLastX = 0;
    Single dragLastY = 0;
    Single lastClickX = 0;
    Single lastClickY = 0;
};

} // namespace core
