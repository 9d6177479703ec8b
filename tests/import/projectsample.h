#pragma once
// A project with a value in every item, none of them in a form the file loses, and helpers to
// look at the lines of a written file.

#include "import/projectdata.h"

#include <string>
#include <vector>

namespace osmimport {

inline ProjectData sampleProject() {
    ProjectData d;
    d.fileVersion = 1.971f;
    d.mapLon0 = -1.6f;
    d.mapLat0 = 51.5f;
    d.mapScale = 20025;
    d.fileSizeMB = 0.25f;
    d.amenityTotal = 40000; // beyond 16 bits: 32-bit in memory
    d.lab2Count = 2;
    d.shopCount = 3;
    d.buildingCount = 7;
    d.areaList = "2#";
    d.bridgeList = "#1#";
    d.waterwayList = "#2#";
    d.tramList = "#";
    d.boundaryList = "#1#2#";

    d.sizeNodes(3);
    d.nodeX = {0, 4001.25048828125, 3000, -12.5};
    d.nodeY = {0, 4016.89379882813, 2500, 0.125};
    d.nodeInfo = {"", "PUB><tag k=\"name\" v=\"Red \"\"Lion\"/>#1", "", "X7 +\r\nline\nnext#3"};
    d.nodeName = {"", "Red Lion", "", "S\xC3\xA3o Jo\xC3\xA3o"};

    d.sizeWays(2);
    d.wayNodes = {"", "1#2#3#1#", ""};
    d.wayWidth = {0, 5, -1};
    d.wayLineStyle = {0, 0, 4};
    d.wayColour = {0, 16777215, 0};
    d.wayExtraColour = {std::nullopt, 11316396.0, std::nullopt};
    d.wayLayer = {0, 11, 100};
    d.wayLineStyleColour = {0, 11842740, 0.5};
    d.wayNameAngle = {0, 359, 0};
    d.wayNameNode = {0, 70000, 0};
    d.wayMaxSegment = {0, 123.5f, 0};
    d.wayLabelX = {0, 4100.5f, 0};
    d.wayLabelY = {0, -2.25f, 0};
    d.wayFill = {0, 29, 11316396};
    d.wayFillArg = {0, 2, 4};
    d.wayName = {"", "High Rd", "\"Quoted\" Way"};
    d.wayUser = {"", "mapper_1", "Ren\xC3\xA9\r\nB"};
    d.wayDate = {"", "07/03/2011", ""};

    d.labels = {{"Village Green", 4100, 2950, 42.5f}, {"Pond \"North\"", -3, 0, 0.125f}};

    d.quotList = "1#3#";
    d.questList = "2#";
    d.chainList = "3#";
    d.noNameList = "#1#";
    d.questCount = 3;
    d.quotCount = 2;
    d.chainCount = 2;
    d.onewayArrowList = "2#1.570796$3#-3.141593$";
    d.streetNameList = "1#";
    d.chainTexts = {"highway not joined\r\nsecond line"};
    d.quotTexts = {"v=\"\" empty"};
    d.questTexts = {"Bridge? <tag k=\"bridge\" v=\"yes\"/>", "AREA not closed"};
    d.fixmeList = "1^\"FIXME\"  \"where?\"  -1.55\\51.45\r\n";
    d.amenityList = "3^vending\r\n";
    d.trailerText = "<way id=\"9\">addr</way>\r\n";
    d.otherNodesList = "2+ note: check\r\n";
    d.unclosedAreaList = "5$ open area\r\n";
    d.fixmeCount = 1;
    d.noteList = "2+ note\r\n";
    d.noteCount = 1;
    d.placeList = "4#\x1FVillage\r\n";
    for (int k = 0; k < kCountCaptions; ++k)
        d.countCaptions[static_cast<std::size_t>(k)] = k * 3;
    d.countCaptions[5] = 40000;
    return d;
}

// The lines of a file, without their CR LF.
inline std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", from)) {
        lines.push_back(bytes.substr(from, at - from));
        from = at + 2;
    }
    if (from < bytes.size()) lines.push_back(bytes.substr(from));
    return lines;
}

} // namespace osmimport
