#include "../basic/fault_of.h"
#include "import/projectwriter.h"
#include "projectsample.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

using basic::faultOf;

TEST(ProjectWriterTest, WritesEveryItemInItsForm) {
    const std::vector<std::string> lines = linesOf(projectFileBytes(sampleProject(), '"'));
    ASSERT_EQ(lines.size(), 122u);
    const std::pair<int, std::string> items[] = {
        // header
        {1, " 1.971"},
        {2, "-1.6"},
        {3, " 51.5"},
        {4, " 20025"},
        {5, " .25"},
        {6, " 40000"},
        {7, " 2"},
        {8, " 3"},
        {9, " 0"},
        {10, " 7"},
        {11, "2#"},
        {12, "#1#"},
        {13, "#2#"},
        {14, "#"},
        {15, "#1#2#"},
        {16, " 3"},
        {17, " 2"},
        // nodes: positions as Doubles, record and name escaped, one blank after the name
        {18, " 4001.25048828125"},
        {19, " 4016.89379882813"},
        {20, "PUB><tag k=\xFAname\xFA v=\xFARed \xFA\xFALion\xFA/>#1"},
        {21, "Red Lion "},
        {22, " 3000"},
        {23, " 2500"},
        {24, ""},
        {25, " "},
        {26, "-12.5"},
        {27, " .125"},
        {28, "X7 ++-line\xA3next#3"},
        {29, "S\xC3\xA3o Jo\xC3\xA3o "},
        // way 1
        {30, "1#2#3#1#"},
        {31, " 5"},
        {32, " 0"},
        {33, " 16777215"},
        {34, " 11316396"},
        {35, " 11"},
        {36, " 11842740"},
        {37, " 359"},
        {38, " 70000"},
        {39, " 123.5"},
        {40, " 4100.5"},
        {41, "-2.25"},
        {42, " 29"},
        {43, " 2"},
        {44, "High Rd"},
        {45, "mapper_1"},
        {46, "07/03/2011"},
        // way 2: no nodes, no extra colour
        {47, ""},
        {48, "-1"},
        {49, " 4"},
        {51, ""},
        {52, " 100"},
        {53, " .5"},
        {59, " 11316396"},
        {61, "\xFAQuoted\xFA Way"},
        {62, "Ren\xC3\xA9+-B"},
        {63, ""},
        // labels: caption escaped, numbers in the plain form
        {64, "Village Green"},
        {65, "4100"},
        {66, "2950"},
        {67, "42.5"},
        {68, "Pond \xFANorth\xFA"},
        {69, "-3"},
        {70, "0"},
        {71, "0.125"},
        // trailer
        {72, "1#3#"},
        {73, "2#"},
        {74, "3#"},
        {75, " "},
        {76, "#1#"},
        {77, " 3"},
        {78, " 2"},
        {79, " 2"},
        {80, " 2#1.570796$3#-3.141593$"},
        {81, "1#"},
        {82, "highway not joined+-second line"},
        {83, "v=\xFA\xFA empty"},
        {84, "Bridge? <tag k=\xFA"
             "bridge\xFA v=\xFAyes\xFA/>"},
        {85, "AREA not closed"},
        {86, "3#AREA not closed+-"},
        {87, "1^\xFA"
             "FIXME\xFA  \xFAwhere?\xFA  -1.55\\51.45+-"},
        {88, "3^vending+-"},
        {89, "<way id=\xFA"
             "9\xFA>addr</way>+-"},
        {90, "2+ note: check+-"},
        {91, "2#Bridge? <tag k=\xFA"
             "bridge\xFA v=\xFAyes\xFA/>+-"},
        {92, ""},
        {93, "5$ open area+-"},
        {94, ""},
        {95, " 1"},
        {96, "2+ note+-"},
        {97, " 1"},
        {98, "4#\x1FVillage+-"},
        // count captions without the sign blank
        {99, "0"},
        {100, "3"},
        {104, "40000"},
        {122, "69"},
    };
    for (const auto& [line, text] : items)
        EXPECT_EQ(lines[static_cast<std::size_t>(line - 1)], text) << "line " << line;
}

TEST(ProjectWriterTest, NumbersInThePrintForm) {
    const std::pair<Single, std::string> singles[] = {{0.0f, " 0"},
                                                      {0.5f, " .5"},
                                                      {-0.5f, "-.5"},
                                                      {1.971f, " 1.971"},
                                                      {12345678.0f, " 1.234568E+07"},
                                                      {0.00001f, " 1E-05"},
                                                      {-1234567.0f, "-1234567"}};
    for (const auto& [value, text] : singles) {
        ProjectData d;
        d.mapLon0 = value; // H2 is a Single
        EXPECT_EQ(linesOf(projectFileBytes(d, '"'))[1], text) << text;
    }
    const std::pair<Double, std::string> doubles[] = {{0.0, " 0"},
                                                      {1E+15, " 1E+15"},
                                                      {123456789012345.0, " 123456789012345"},
                                                      {-0.5, "-.5"},
                                                      {4001.25048828125, " 4001.25048828125"},
                                                      {1.0 / 3, " .333333333333333"}};
    for (const auto& [value, text] : doubles) {
        ProjectData d;
        d.sizeNodes(1);
        d.nodeX[1] = value; // N1 is a Double
        EXPECT_EQ(linesOf(projectFileBytes(d, '"'))[17], text) << text;
    }
}

TEST(ProjectWriterTest, LinesEndWithCrLfAndNothingElse) {
    const std::string bytes = projectFileBytes(sampleProject(), '"');
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::size_t lineFeeds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++lineFeeds;
            EXPECT_EQ(bytes[i - 1], '\r') << i;
        }
        EXPECT_FALSE(bytes[i] == '\r' && bytes[i + 1] != '\n') << i;
        EXPECT_NE(bytes[i], ',') << i;
        EXPECT_NE(bytes[i], '"') << i;
    }
    EXPECT_EQ(lineFeeds, 122u);
}

TEST(ProjectWriterTest, StripsTheItemsThePartsStrip) {
    ProjectData d;
    d.quotCount = 2;
    d.quotTexts = {"<tag k=\"a\" v=\"\"/></node>x"};
    d.otherNodesList = "7+<tag k='note' v='x'/>\r\n";
    d.unclosedAreaList = "3$<nd ref=\"1\"/></way>\r\n";
    const std::vector<std::string> apostrophe = linesOf(projectFileBytes(d, '\''));
    EXPECT_EQ(apostrophe[27], " k=\xFA"
                              "a\xFA v=\xFA\xFAx"); // M2: "</node>", ">", "<", "tag", "/" gone
    EXPECT_EQ(apostrophe[32], "7+ note x+-");       // T15: k=, v=, the quote, <tag and /> gone
    EXPECT_EQ(apostrophe[35], "3$<nd ref=\xFA"
                              "1\xFA+-"); // T18: </way> and /> gone
    // The double quote is escaped before the quote character is removed, so it stays.
    d.otherNodesList = "7+<tag k=\"note\"/>\r\n";
    EXPECT_EQ(linesOf(projectFileBytes(d, '"'))[32], "7+ \xFAnote\xFA+-");
}

TEST(ProjectWriterTest, QuestTextsMakeTheAreaListAndTheAreaRecords) {
    ProjectData d;
    d.areaRecordList = "old records";
    EXPECT_EQ(linesOf(projectFileBytes(d, '"'))[32], "old records"); // no quest marker: kept as it is
    d.questCount = 4;
    d.questTexts = {"AREA one", "Bridge?\r\n<tag k=\"x\"/></way> rest", "no way end"};
    const std::vector<std::string> lines = linesOf(projectFileBytes(d, '"'));
    EXPECT_EQ(lines[27], "AREA one");
    EXPECT_EQ(lines[28], "Bridge?+-<tag k=\xFAx\xFA/></way> rest");        // M3 whole
    EXPECT_EQ(lines[30], "2#AREA one+-");                                  // T11
    EXPECT_EQ(lines[35], "3#Bridge?+-<tag k=\xFAx\xFA/>+-4#no way end+-"); // T16 cut before </way
}

TEST(ProjectWriterTest, WayDateIsSanitisedAndLoneCarriageReturnsEscaped) {
    ProjectData d;
    d.sizeNodes(1);
    d.nodeInfo[1] = "a\rb";
    d.sizeWays(1);
    d.wayDate[1] = "07/03/2011,\"x\"\r\n";
    const std::vector<std::string> lines = linesOf(projectFileBytes(d, '"'));
    EXPECT_EQ(lines[19], "a\xA3"
                         "b");
    EXPECT_EQ(lines[37], "07/03/2011 \xFAx\xFA+-");
}

TEST(ProjectWriterTest, CountsBeyondTheirArraysAreRefused) {
    struct Case {
        const char* what;
        void (*spoil)(ProjectData&);
    };
    const Case cases[] = {
        {"node count", [](ProjectData& d) { d.nodeCount = 4; }},
        {"negative node count", [](ProjectData& d) { d.nodeCount = -1; }},
        {"way count", [](ProjectData& d) { d.wayCount = 3; }},
        {"label count", [](ProjectData& d) { d.lab2Count = 3; }},
        {"chain texts", [](ProjectData& d) { d.chainCount = 3; }},
        {"quest texts", [](ProjectData& d) { d.questTexts.pop_back(); }},
        {"way label point", [](ProjectData& d) { d.wayLabelX.resize(2); }},
    };
    for (const auto& c : cases) {
        ProjectData d = sampleProject();
        c.spoil(d);
        EXPECT_EQ(faultOf([&] { projectFileBytes(d, '"'); }), basic::fault::SubscriptOutOfRange) << c.what;
    }
    ProjectData none;
    none.chainCount = 0; // no marker texts for a count of 1 or less
    EXPECT_EQ(faultOf([&] { projectFileBytes(none, '"'); }), 0);
}

TEST(ProjectWriterTest, MergesTheAreaListsInTheirOrder) {
    EXPECT_EQ(mergeAreaLists("4#", "#", "#", "#", "#", "#"), "4#");
    EXPECT_EQ(mergeAreaLists("", "#1#", "#2#", "#3#", "#4#", "#5#"), "1#2#3#4#5#");
    EXPECT_EQ(mergeAreaLists("9#1#", "#1#7#", "#", "#", "#", "#8#"), "9#1#1#7#8#");
    EXPECT_EQ(mergeAreaLists("9#7#", "#1#7#", "#", "#", "#", "#"), "9#1#7#");
}

TEST(ProjectWriterTest, MarksUnclosedAreas) {
    ProjectData d;
    d.sizeNodes(1);
    d.sizeWays(12);
    for (Long i = 1; i <= 12; ++i) {
        d.wayWidth[i] = 2;
        d.wayColour[i] = 100;
        d.wayFill[i] = 200;
    }
    markUnclosedAreas(d, ",3,12,1x,01,0,99,");
    for (Long i = 1; i <= 12; ++i) {
        const bool marked = i == 3 || i == 12;
        EXPECT_EQ(d.wayWidth[i], marked ? 5 : 2) << i;
        EXPECT_EQ(d.wayColour[i], marked ? 0 : 100) << i;
        EXPECT_EQ(d.wayFill[i], marked ? 0 : 200) << i;
    }
    markUnclosedAreas(d, "1,"); // an item needs a "," on both sides
    EXPECT_EQ(d.wayWidth[1], 2);
}

} // namespace
} // namespace osmimport
