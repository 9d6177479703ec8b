#pragma once
// A loaded main window with a small project file opened and drawn once, as opening it from the
// File menu leaves it, for the searches.
//
// Nodes n = 1..12 stand at map point (1000 + 10n, 2000 + 5n):
//   1 PUB "The Bar", 2 PUB "Barley Mow", 3 CAF "Crowbar", 4 TAG "XBar", 5 SCH "High Road",
//   6 PUB unnamed, 7 SHO "Crowbar Bar", 8 CAF "Cafe Nero" (the import folds the accent),
//   9 CHU "St Mary", 10 HOT "Łodź Hotel" (the Ł stays UTF-8), 11 STA "Central", 12 a plain node.
// Streets (all in the street-name list): 1 "High Rd" named at node 12, 2 "Barnet Rd" at 11,
// 3 "Old Bar St" at 10. Area labels: 1 "Bar", 2 "Green Park".

#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "import/projectdata.h"
#include "import/projectwriter.h"
#include "window/redrawrequest.h"

#include <string>
#include <vector>

namespace poi::testing {

inline osmimport::ProjectData searchProject() {
    osmimport::ProjectData d;
    d.fileVersion = 1.971f;
    d.mapLon0 = -1.6f;
    d.mapLat0 = 51.5f;
    d.mapScale = 20000;
    d.fileSizeMB = 0.1f;
    struct Node {
        const char* info;
        const char* name;
    };
    const std::vector<Node> nodes = {
        {"PUB#1", "The Bar"},     {"PUB#2", "Barley Mow"},
        {"CAF#3", "Crowbar"},     {"TAG#4", "XBar"},
        {"SCH#5", "High Road"},   {"PUB#6", ""},
        {"SHO#7", "Crowbar Bar"}, {"CAF#8", "Cafe Nero"},
        {"CHU#9", "St Mary"},     {"HOT#10", "\xC5\x81od\xC5\xBA Hotel"},
        {"STA#11", "Central"},    {"", ""},
    };
    d.sizeNodes(static_cast<basic::Long>(nodes.size()));
    for (size_t n = 1; n <= nodes.size(); ++n) {
        d.nodeX[n] = 1000 + 10.0 * static_cast<double>(n);
        d.nodeY[n] = 2000 + 5.0 * static_cast<double>(n);
        d.nodeInfo[n] = nodes[n - 1].info;
        d.nodeName[n] = nodes[n - 1].name;
    }
    d.sizeWays(3);
    const char* streets[] = {"High Rd", "Barnet Rd", "Old Bar St"};
    const basic::Long nameNodes[] = {12, 11, 10};
    for (size_t w = 1; w <= 3; ++w) {
        d.wayNodes[w] = "11#12#";
        d.wayName[w] = streets[w - 1];
        d.wayNameNode[w] = nameNodes[w - 1];
    }
    d.streetNameList = "1#2#3#";
    d.labels = {{"Bar", 1500, 2500, 300}, {"Green Park", 1600, 2600, 500}};
    d.lab2Count = 2;
    // The count captions: numb(c + 1) holds the count of category c.
    d.countCaptions[1] = 1;  // places of worship
    d.countCaptions[2] = 3;  // pubs
    d.countCaptions[7] = 1;  // schools
    d.countCaptions[10] = 1; // shops
    d.countCaptions[16] = 1; // hotels
    d.countCaptions[20] = 2; // cafes
    d.countCaptions[23] = 1; // stations
    return d;
}

class SearchTest : public core::testing::WindowTest {
protected:
    // The window with `data` opened and drawn, at zoom 1.4 with the offsets of a newly opened file.
    core::MapWindow& opened(const osmimport::ProjectData& data = searchProject()) {
        core::MapWindow& map = load();
        map.global.curFile = appPath() + "/sample.osm";
        map.global.parsedPath = map.global.dataFolder + "/sample.vnk";
        writeProject(map, data);
        map.global.viewZoom = 1.4f;
        map.global.viewOffX = -1600;
        map.global.viewOffY = -1320;
        map.global.reloadTrailer = true;
        core::redrawMap(map);
        return map;
    }

    static void writeProject(const core::MapWindow& map, const osmimport::ProjectData& data) {
        basic::writeFileWhole(map.global.parsedPath, osmimport::projectFileBytes(data, '"'));
    }

    static std::vector<std::string> items(const platform::ListBox& list) {
        std::vector<std::string> all;
        for (int i = 0; i < list.listCount(); ++i)
            all.push_back(list.list(i));
        return all;
    }

    // How many arrows are loaded beside the template pointr(0).
    static int loadedArrows(const core::MapWindow& map) {
        int count = 0;
        for (const platform::ImageControl& arrow : map.markers.pointr)
            if (arrow.index() >= 1) ++count;
        return count;
    }

    size_t messages() { return dialogs().shown().size(); }
};

} // namespace poi::testing
