#include "poi/namesearch_reload.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "basic/wholefile.h"
#include "import/indexlist.h"
#include "import/projectreader.h"
#include "platform/dialogs.h"
#include "window/mapwindow.h"

#include <utility>

namespace poi {
namespace {

using osmimport::ProjectData;

void takeNodes(ProjectData& d, const ProjectData& file) {
    d.nodeCount = file.nodeCount;
    d.nodeX = file.nodeX;
    d.nodeY = file.nodeY;
    d.nodeInfo = file.nodeInfo;
    d.nodeName = file.nodeName;
    d.nodeUse = file.nodeUse;
}

// Every way array is taken, so that all of them keep one size.
void takeWays(ProjectData& d, const ProjectData& file) {
    d.wayCount = file.wayCount;
    d.wayNodes = file.wayNodes;
    d.wayWidth = file.wayWidth;
    d.wayLineStyle = file.wayLineStyle;
    d.wayColour = file.wayColour;
    d.wayExtraColour = file.wayExtraColour;
    d.wayLayer = file.wayLayer;
    d.wayLineStyleColour = file.wayLineStyleColour;
    d.wayNameAngle = file.wayNameAngle;
    d.wayNameNode = file.wayNameNode;
    d.wayMaxSegment = file.wayMaxSegment;
    d.wayName = file.wayName;
    d.wayUser = file.wayUser;
    d.wayDate = file.wayDate;
    d.wayLabelX = file.wayLabelX;
    d.wayLabelY = file.wayLabelY;
    d.wayFill = file.wayFill;
    d.wayFillArg = file.wayFillArg;
}

void listLabels(core::Markers& m, const std::vector<osmimport::LabelRecord>& labels) {
    for (int i = 0; i < 3; ++i)
        m.List2[i].clear();
    for (const osmimport::LabelRecord& label : labels) {
        m.List2[core::kLabelXList].addItem(basic::dec(label.x));
        m.List2[core::kLabelYList].addItem(basic::dec(label.y));
        m.List2[core::kLabelWidthList].addItem(basic::dec(label.width));
    }
}

} // namespace

bool reloadForSearch(core::MapWindow& map) {
    core::MapData& d = map.data;
    // The copy the last drawing or import kept; otherwise the file is read only up to its
    // street-name list, so that damage after it does not stop a search.
    ProjectData partial;
    const ProjectData* parsed = d.parsedFile.unchanged(map.global.parsedPath);
    if (!parsed) {
        try {
            partial = osmimport::readProjectFile(
                basic::readFileBytes(map.global.parsedPath, osmimport::kLargestProjectFile),
                osmimport::ProjectExtent::ThroughStreetNames);
        } catch (const basic::RuntimeFault& fault) {
            platform::dialogs().msgBox(fault.description());
            return false;
        }
        osmimport::indexWayNodes(partial);
        parsed = &partial;
    }
    const ProjectData& file = *parsed;
    map.global.fileVersion = file.fileVersion;
    d.fileVersion = file.fileVersion;
    d.mapLon0 = file.mapLon0;
    d.mapLat0 = file.mapLat0;
    d.mapScale = file.mapScale;
    d.lab2Count = file.lab2Count;
    d.streetNameList = file.streetNameList;
    if (parsed != &partial && d.parsedFile.recordsLent()) {
        // The data model holds the copy's records already; only the names a search shortens
        // come back.
        d.nodeCount = file.nodeCount;
        d.wayCount = file.wayCount;
        d.nodeName = file.nodeName;
        listLabels(map.markers, d.labels);
        return true;
    }
    takeNodes(d, file);
    takeWays(d, file);
    d.wayNodeStart = file.wayNodeStart;
    d.wayNodeIndex = file.wayNodeIndex;
    d.labels = file.labels;
    listLabels(map.markers, d.labels);
    return true;
}

} // namespace poi
