#include "poi/namesearch_reload.h"

#include "basic/fault.h"
#include "basic/numtext.h"
#include "basic/wholefile.h"
#include "import/projectreader.h"
#include "platform/dialogs.h"
#include "render/waygeometry.h"
#include "window/mapwindow.h"

#include <utility>

namespace poi {
namespace {

using osmimport::ProjectData;

void takeNodes(ProjectData& d, ProjectData& file) {
    d.nodeCount = file.nodeCount;
    d.nodeX = std::move(file.nodeX);
    d.nodeY = std::move(file.nodeY);
    d.nodeInfo = std::move(file.nodeInfo);
    d.nodeName = std::move(file.nodeName);
    d.nodeUse = std::move(file.nodeUse);
}

// Every way array is taken, so that all of them keep one size.
void takeWays(ProjectData& d, ProjectData& file) {
    d.wayCount = file.wayCount;
    d.wayNodes = std::move(file.wayNodes);
    d.wayWidth = std::move(file.wayWidth);
    d.wayLineStyle = std::move(file.wayLineStyle);
    d.wayColour = std::move(file.wayColour);
    d.wayExtraColour = std::move(file.wayExtraColour);
    d.wayLayer = std::move(file.wayLayer);
    d.wayLineStyleColour = std::move(file.wayLineStyleColour);
    d.wayNameAngle = std::move(file.wayNameAngle);
    d.wayNameNode = std::move(file.wayNameNode);
    d.wayMaxSegment = std::move(file.wayMaxSegment);
    d.wayName = std::move(file.wayName);
    d.wayUser = std::move(file.wayUser);
    d.wayDate = std::move(file.wayDate);
    d.wayLabelX = std::move(file.wayLabelX);
    d.wayLabelY = std::move(file.wayLabelY);
    d.wayFill = std::move(file.wayFill);
    d.wayFillArg = std::move(file.wayFillArg);
}

void listLabels(core::Markers& m, const std::vector<osmimport::LabelRecord>& labels) {
    for (int i = 0; i < 3; ++i)
        m.List2[i].clear();
    for (const osmimport::LabelRecord& label : labels) {
        m.List2[0].addItem(basic::dec(label.x));
        m.List2[1].addItem(basic::dec(label.y));
        m.List2[2].addItem(basic::dec(label.width));
    }
}

} // namespace

bool reloadForSearch(core::MapWindow& map) {
    ProjectData file;
    try {
        file = osmimport::readProjectFile(basic::readFileBytes(map.g.parsedPath),
                                          osmimport::ProjectExtent::ThroughStreetNames);
    } catch (const basic::RuntimeFault& fault) {
        platform::dialogs().msgBox(fault.description());
        return false;
    }
    core::MapData& d = map.d;
    map.g.fileVersion = file.fileVersion;
    d.fileVersion = file.fileVersion;
    d.mapLon0 = file.mapLon0;
    d.mapLat0 = file.mapLat0;
    d.mapScale = file.mapScale;
    d.lab2Count = file.lab2Count;
    takeNodes(d, file);
    takeWays(d, file);
    render::parseWayNodes(d);
    d.labels = std::move(file.labels);
    d.streetNameList = std::move(file.streetNameList);
    listLabels(map.markers, d.labels);
    return true;
}

} // namespace poi
