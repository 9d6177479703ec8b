#pragma once
// The data an import produces and a project file carries: the header values, the node and way
// arrays, the area-label records, the marker texts, the trailer lists and the 24 count captions.
// Plain data, window-free: the import fills it, the project file writer stores it and the reader
// re-creates it. Texts are held unescaped. Counters that the file stores as 16-bit numbers are
// 32-bit here; their text in the file is the same below 32768.

#include "basic/numbers.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace osmimport {

using basic::Double;
using basic::Integer;
using basic::Long;
using basic::Single;

// The count labels numb(0) .. numb(23) whose captions close the file.
inline constexpr int kCountCaptions = 24;

// One area label: the caption of lab2(k) and its items of List2(0..2).
struct LabelRecord {
    std::string caption;
    Double x = 0;     // map units, a whole number
    Double y = 0;     // map units, a whole number
    Single width = 0; // width of the caption in the map picture's units

    bool operator==(const LabelRecord&) const = default;
};

struct ProjectData {
    // Header.
    Single fileVersion = 0; // the writer's program version
    Single mapLon0 = 0;     // west edge of the data
    Single mapLat0 = 0;     // north edge of the data
    Long mapScale = 1;      // map units per degree of longitude
    Single fileSizeMB = 0;
    Long amenityTotal = 0;
    Long lab2Count = 0;
    Long shopCount = 1;
    Long buildingCount = 0;
    // The five drawing lists: no leading "#" on areaList, a leading "#" on the others.
    std::string areaList;
    std::string bridgeList = "#";
    std::string waterwayList = "#";
    std::string tramList = "#";     // tram, monorail, funicular and light-rail lines
    std::string boundaryList = "#"; // boundaries only; power lines join no list
    Long nodeCount = 0;
    Long wayCount = 0;

    // Nodes 1..nodeCount; element 0 is not used. Positions are map units once imported.
    std::vector<Double> nodeX;
    std::vector<Double> nodeY;
    std::vector<std::string> nodeInfo;
    std::vector<std::string> nodeName;
    std::vector<Long> nodeUse; // way references to the node; import only, not stored

    // Ways 1..wayCount; element 0 is not used.
    std::vector<std::string> wayNodes; // node indices, each followed by "#"
    std::vector<Integer> wayWidth;
    std::vector<Integer> wayLineStyle; // pen style 0 solid .. 5 invisible
    std::vector<Double> wayColour;
    std::vector<std::optional<Double>> wayExtraColour; // the inner colour of a bridge
    std::vector<Integer> wayLayer;                     // draw class
    std::vector<Double> wayLineStyleColour;            // casing and outline colour
    std::vector<Long> wayNameAngle;                    // whole degrees 0..359
    std::vector<Long> wayNameNode;
    std::vector<Single> wayMaxSegment;
    std::vector<std::string> wayName;
    std::vector<std::string> wayUser;
    std::vector<std::string> wayDate; // "dd/mm/yyyy"
    // The label points and area styles of ways 1..wayCount.
    std::vector<Single> wayLabelX;
    std::vector<Single> wayLabelY;
    std::vector<Double> wayFill; // 0 none, 1..29 a pattern tile, otherwise an RGB flood colour
    std::vector<Integer> wayFillArg;

    // The drawing reads the casing colour under this name.
    std::vector<Double>& wayDrawColour() noexcept { return wayLineStyleColour; }
    const std::vector<Double>& wayDrawColour() const noexcept { return wayLineStyleColour; }

    // Area labels 1..lab2Count, record k at labels[k - 1].
    std::vector<LabelRecord> labels;

    // Trailer. The marker counts include the panel button (element 1): marker k, for k = 2 ..
    // count, has its text at index k - 2 of its text list.
    std::string quotList;
    std::string questList;
    std::string chainList;
    std::string noNameList;
    Long questCount = 1;
    Long quotCount = 1;
    Long chainCount = 1;
    Long questAreaCount = 0;     // the "?" markers of areas among questCount; not stored
    std::string onewayArrowList; // the arrow entries, without the blank the file puts first
    std::string streetNameList;
    std::vector<std::string> chainTexts;
    std::vector<std::string> quotTexts;
    std::vector<std::string> questTexts;
    std::string hiddenAreaList; // the "AREA" quest texts, as read back
    std::string fixmeList;
    std::string amenityList;
    std::string trailerText;
    std::string otherNodesList;
    std::string areaRecordList;
    std::string unclosedAreaList;
    std::string emptyTagList; // read back only: the file stores it empty
    Long fixmeCount = 0;
    std::string noteList;
    Long noteCount = 0;
    std::string placeList;
    std::array<Long, kCountCaptions> countCaptions{};

    // Not stored, made by the reader's callers (import/indexlist.h): the node indices of way i
    // are wayNodeIndex[wayNodeStart[i] .. wayNodeStart[i + 1]), the pieces of wayNodes(i) before
    // its last "#", each read once; a piece that is no whole number is held as kNotANumber.
    std::vector<Long> wayNodeStart;
    std::vector<Long> wayNodeIndex;

    // Sets nodeCount and creates the node arrays for nodes 1..count, empty or zero.
    void sizeNodes(Long count);
    // Sets wayCount and creates the way arrays for ways 1..count, empty or zero. Both create the
    // label point and area style arrays anew, for ways 1..wayCount.
    void sizeWays(Long count);
    // No node, way or label records any more, and their storage given back: what sizeNodes(0),
    // sizeWays(0) and no labels leave. The header values and the trailer stay.
    void dropRecords();
    // Swaps the records that neither a drawing nor a search changes with other's: the node
    // positions and records (not the names, which a search and the markers change), the way
    // node lists, names, authors and dates with the way node indices, and the area labels. The
    // way numbers, which the passes adjust as they draw, the counts and every list stay.
    void swapRecords(ProjectData& other) noexcept;

    bool operator==(const ProjectData&) const = default;
};

} // namespace osmimport
