#include "basic/case.h"
#include "import/wayclass.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace osmimport {
namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

constexpr char kQuotes[] = {'"', '\''};
constexpr Long kIndex = 7;
constexpr Integer kCarriedArg = 99; // the previous way's fill argument

enum class Shape { Open, Closed };

// A way piece as the way loop hands it over: from after "<way " to its closing tag.
std::string wayPiece(char q, const Tags& tags, Shape shape, const std::string& user = "alice") {
    const auto quoted = [q](const std::string& s) { return q + s + q; };
    std::string out = "id=" + quoted("7") + " user=" + quoted(user) + " uid=" + quoted("1") +
                      " timestamp=" + quoted("2010-01-01T00:00:00Z") + ">\n";
    std::vector<std::string> refs = {"101", "102", "103"};
    if (shape == Shape::Closed) refs.push_back("101");
    for (const std::string& ref : refs)
        out += "  <nd ref=" + quoted(ref) + "/>\n";
    for (const auto& [k, v] : tags)
        out += "  <tag k=" + quoted(k) + " v=" + quoted(v) + "/>\n";
    return out + " </way>\n ";
}

struct Outcome {
    WayLook look;
    WayLists lists;
    ProjectData data;
};

Outcome classifyText(char q, const std::string& raw, bool endMark = false) {
    Outcome out;
    out.look.wayFillArg = kCarriedArg;
    out.look.endMark = endMark;
    const std::string lower = basic::lcase(raw);
    WayClassifierRules::Found found;
    WayClassifierRules(q).classify({kIndex, raw, lower}, out.look, out.lists, out.data, found);
    return out;
}

Outcome classify(char q, const Tags& tags, Shape shape = Shape::Open, bool endMark = false) {
    return classifyText(q, wayPiece(q, tags, shape), endMark);
}

Double rgb(int r, int g, int b) {
    return wayRgb(r, g, b);
}

// The look a rule should leave, written as the start values and what the rule changes.
struct Look {
    Double C = 0;
    Double K = rgb(180, 180, 180);
    Integer W = 1;
    Integer S = 0;
    Integer L = 0;
    Double F = 0;
    Integer A = kCarriedArg;
    bool area = false;
};

// The one drawing list a way should join ("" for none).
struct Case {
    const char* what;
    Tags tags;
    Look want;
    const char* list = "";
    Shape shape = Shape::Open;
};

void expectLook(const WayLook& got, const Look& want, const std::string& ctx) {
    EXPECT_EQ(got.lineColour, want.C) << ctx << " C";
    EXPECT_EQ(got.wayLineStyleColour, want.K) << ctx << " K";
    EXPECT_EQ(got.wayWidth, want.W) << ctx << " W";
    EXPECT_EQ(got.wayLineStyle, want.S) << ctx << " S";
    EXPECT_EQ(got.wayLayer, want.L) << ctx << " L";
    EXPECT_EQ(got.wayFill, want.F) << ctx << " F";
    EXPECT_EQ(got.wayFillArg, want.A) << ctx << " A";
    EXPECT_EQ(got.isArea, want.area) << ctx << " area";
}

void expectOnlyList(const Outcome& got, const std::string& list, const std::string& ctx) {
    const std::pair<const char*, const std::string*> lists[] = {
        {"residential", &got.lists.residentialList},
        {"wood", &got.lists.woodList},
        {"landArea", &got.lists.landAreaList},
        {"building", &got.lists.buildingList},
        {"unstyledArea", &got.lists.unstyledAreaList},
        {"waterway", &got.data.waterwayList},
        {"tram", &got.data.tramList},
        {"boundary", &got.data.boundaryList},
    };
    for (const auto& [name, text] : lists)
        EXPECT_EQ(*text, name == list ? "#7#" : "#") << ctx << " list " << name;
}

void runCases(const std::vector<Case>& cases) {
    for (const char q : kQuotes) {
        for (const Case& c : cases) {
            const std::string ctx = std::string(c.what) + " quote " + q;
            const Outcome got = classify(q, c.tags, c.shape);
            expectLook(got.look, c.want, ctx);
            expectOnlyList(got, c.list, ctx);
        }
    }
}

const Double white = rgb(255, 255, 255);
const Shape closed = Shape::Closed;

TEST(WayClassTest, HighwaysTakeTheirFirstMatchingSubRule) {
    runCases({
        {"named residential",
         {{"highway", "residential"}, {"name", "Elm Row"}},
         {.C = white, .W = 4, .L = 1, .A = 4}},
        {"unnamed residential is red",
         {{"highway", "residential"}},
         {.C = rgb(255, 20, 20), .W = 4, .L = 1, .A = 4}},
        {"noname residential stays white",
         {{"highway", "residential"}, {"noname", "yes"}},
         {.C = white, .W = 4, .L = 1, .A = 4}},
        {"Residential in capitals",
         {{"highway", "Residential"}, {"name", "X"}},
         {.C = white, .W = 4, .L = 1, .A = 4}},
        {"unclassified", {{"highway", "unclassified"}}, {.C = white, .W = 5, .L = 1, .A = 5}},
        {"motorway_link",
         {{"highway", "motorway_link"}},
         {.C = rgb(103, 145, 195), .K = rgb(53, 95, 145), .W = 9, .L = 1, .A = 9}},
        {"primary_link",
         {{"highway", "primary_link"}},
         {.C = rgb(235, 152, 154), .K = rgb(185, 102, 104), .W = 7, .L = 1, .A = 7}},
        {"secondary",
         {{"highway", "secondary"}},
         {.C = rgb(254, 205, 110), .K = rgb(204, 155, 60), .W = 7, .L = 1, .A = 7}},
        {"tertiary",
         {{"highway", "tertiary"}},
         {.C = rgb(254, 254, 179), .K = rgb(204, 204, 129), .W = 6, .L = 1, .A = 6}},
        {"unsurfaced keeps the carried fill argument",
         {{"highway", "unsurfaced"}},
         {.C = rgb(150, 150, 150), .L = 1}},
        {"trunk",
         {{"highway", "trunk"}},
         {.C = rgb(168, 218, 168), .K = rgb(118, 168, 118), .W = 7, .L = 1, .A = 7}},
        {"service", {{"highway", "service"}}, {.C = white, .W = 3, .L = 1, .A = 2}},
        {"pedestrian", {{"highway", "pedestrian"}}, {.C = rgb(220, 220, 220), .W = 5, .L = 1, .A = 3}},
        {"pedestrian area",
         {{"highway", "pedestrian"}, {"area", "yes"}},
         {.W = 5, .L = 1, .F = rgb(220, 220, 220), .A = 3, .area = true}},
        {"living street", {{"highway", "living_street"}}, {.C = rgb(220, 220, 220), .W = 5, .L = 1, .A = 3}},
        {"path", {{"highway", "path"}}, {.C = rgb(170, 170, 170), .S = 1}},
        {"steps",
         {{"highway", "steps"}},
         {.C = rgb(131, 0, 64), .K = rgb(203, 184, 167), .W = 2, .S = 2, .L = 6}},
        {"bridleway", {{"highway", "bridleway"}}, {.C = rgb(0, 128, 0), .S = 1, .A = 3}},
        {"cycleway", {{"highway", "cycleway"}}, {.C = rgb(0, 0, 128), .S = 2, .A = 3}},
        {"grade1 track", {{"highway", "track"}, {"tracktype", "grade1"}}, {.C = rgb(201, 161, 81)}},
        {"other track", {{"highway", "track"}, {"tracktype", "grade3"}}, {.C = rgb(153, 102, 0), .S = 1}},
        {"raceway inside a track",
         {{"highway", "track"}, {"raceway", "karting"}},
         {.C = rgb(254, 192, 203), .W = 6, .L = 6, .A = 0}},
        {"footway", {{"highway", "footway"}}, {.C = rgb(255, 0, 0), .S = 2, .A = 0}},
        {"raceway", {{"highway", "raceway"}}, {.C = rgb(245, 152, 157), .W = 2, .A = 3}},
        {"byway", {{"highway", "byway"}}, {.C = rgb(254, 204, 0), .S = 1, .A = 3}},
        {"construction",
         {{"highway", "construction"}},
         {.C = rgb(226, 248, 255), .K = rgb(170, 160, 160), .W = 7, .S = 1, .L = 2, .A = 7}},
        {"proposed runs on to the ring test", {{"highway", "proposed"}}, {.A = 0}, "building", closed},
        {"open proposed joins no list", {{"highway", "proposed"}}, {.A = 0}},
    });
}

TEST(WayClassTest, TestsSeeTheWholeElementText) {
    for (const char q : kQuotes) {
        // The user name is part of the text: "resi..." there makes any highway residential.
        const Outcome byUser =
            classifyText(q, wayPiece(q, {{"highway", "footway"}, {"name", "A"}}, Shape::Open, "resi"));
        expectLook(byUser.look, {.C = white, .W = 4, .L = 1, .A = 4}, std::string("user name, quote ") + q);
        // Needles carry the file's quote character: the other one matches nothing.
        const char other = q == '"' ? '\'' : '"';
        const Outcome wrongQuote = classifyText(q, wayPiece(other, {{"highway", "primary"}}, Shape::Open));
        EXPECT_EQ(wrongQuote.look.wayLayer, 0) << "quote " << q;
        EXPECT_EQ(wrongQuote.look.lineColour, 0) << "quote " << q;
    }
}

TEST(WayClassTest, NamesAndTheRoadTypeProblem) {
    struct NameCase {
        const char* what;
        Tags tags;
        std::string name;
        std::string problem;
    };
    const std::string marked(1, char(31));
    const NameCase cases[] = {
        {"highway name", {{"highway", "primary"}, {"name", "High Street"}}, "High Street", ""},
        {"first key beginning name",
         {{"highway", "primary"}, {"name:en", "Bridge Rd"}, {"name", "X"}},
         "Bridge Rd",
         ""},
        {"name key in capitals is not read", {{"highway", "primary"}, {"Name", "Upper"}}, "", ""},
        {"type road",
         {{"highway", "residential"}, {"name", "type road name"}},
         "",
         "Error: Higway is named 'type road name'"},
        {"Type Road is a name", {{"highway", "residential"}, {"name", "Type Road"}}, "Type Road", ""},
        {"railway name", {{"railway", "rail"}, {"name", "Main Line"}}, "Main Line", ""},
        {"river name is marked", {{"waterway", "river"}, {"name", "Avon"}}, marked + "Avon", ""},
        {"unnamed river stays empty", {{"waterway", "river"}}, "", ""},
        {"canal name is marked", {{"waterway", "canal"}, {"name", "Grand"}}, marked + "Grand", ""},
        {"barrier name", {{"barrier", "wall"}, {"name", "Roman Wall"}}, "Roman Wall", ""},
        {"landuse takes no name", {{"landuse", "forest"}, {"name", "Old Wood"}}, "", ""},
    };
    for (const char q : kQuotes) {
        for (const NameCase& c : cases) {
            const Outcome got = classify(q, c.tags);
            EXPECT_EQ(got.look.wayName, c.name) << c.what << " quote " << q;
            EXPECT_EQ(got.look.problemText, c.problem) << c.what << " quote " << q;
        }
    }
}

TEST(WayClassTest, RailwaysEndTheChain) {
    const Double grey = rgb(117, 117, 117);
    runCases({
        {"rail", {{"railway", "rail"}}, {.C = grey, .K = 0, .W = 4, .F = grey}},
        {"abandoned", {{"railway", "abandoned"}}, {.C = rgb(150, 134, 134), .K = 0, .S = 2, .L = 100}},
        {"disused", {{"railway", "disused"}}, {.C = rgb(150, 134, 134), .K = 0, .S = 2, .L = 100}},
        {"tram",
         {{"railway", "tram"}},
         {.C = rgb(55, 55, 55), .K = 0, .L = 100, .F = rgb(55, 55, 55)},
         "tram"},
        {"light rail",
         {{"railway", "light_rail"}},
         {.C = rgb(55, 55, 55), .K = 0, .L = 100, .F = rgb(55, 55, 55)},
         "tram"},
        {"platform",
         {{"railway", "platform"}},
         {.C = rgb(154, 154, 154), .K = 0, .W = 8, .L = 100, .F = rgb(154, 154, 154)}},
        {"preserved runs on without a word",
         {{"railway", "preserved"}},
         {.C = grey, .K = 0, .W = 4, .L = 100}},
        {"subway", {{"railway", "subway"}}, {.C = grey, .K = 0, .W = 4, .L = 100, .F = grey}},
        {"narrow gauge", {{"railway", "narrow_gauge"}}, {.C = grey, .K = 0, .W = 4, .L = 100, .F = grey}},
        {"rail spur runs on to the words",
         {{"railway", "rail"}, {"service", "spur"}},
         {.C = grey, .K = 0, .W = 4, .L = 100, .F = grey}},
        {"railway landuse", {{"landuse", "railway"}}, {.W = 2, .F = 18, .A = 7, .area = true}},
        {"unknown railway ends unstyled", {{"railway", "halt"}}, {.K = 0}, "", closed},
    });
}

TEST(WayClassTest, LinesBeforeTheAreaSectionKeepTheCarriedFillArgument) {
    const Double water = rgb(181, 208, 208);
    runCases({
        {"river", {{"waterway", "river"}}, {.C = water, .W = 6}, "waterway"},
        {"stream", {{"waterway", "stream"}}, {.C = water}, "waterway"},
        {"runway", {{"aeroway", "runway"}}, {.C = rgb(89, 89, 89), .W = 10}},
        {"taxiway", {{"aeroway", "taxiway"}}, {.C = rgb(102, 102, 102), .W = 5}},
        {"cliff", {{"natural", "cliff"}}, {.C = rgb(102, 102, 102), .W = 5}},
        {"tree row", {{"natural", "tree_row"}}, {.C = rgb(0, 0, 255), .W = 5}},
        {"landuse residential",
         {{"landuse", "residential"}},
         {.L = 10, .F = rgb(220, 220, 220), .A = 3, .area = true},
         "residential",
         closed},
        {"building residential",
         {{"building", "residential"}},
         {.L = 10, .F = rgb(220, 220, 220), .A = 3, .area = true},
         "residential",
         closed},
        {"coastline passes the natural areas",
         {{"natural", "coastline"}},
         {.S = 3, .L = 100, .F = rgb(166, 154, 186), .A = 0}},
    });
}

TEST(WayClassTest, NaturalAreas) {
    const Double water = rgb(181, 208, 208);
    runCases({
        {"water",
         {{"natural", "water"}},
         {.K = rgb(111, 138, 138), .L = 2, .F = water, .A = 4, .area = true},
         "landArea",
         closed},
        {"lake",
         {{"natural", "lake"}},
         {.K = rgb(111, 138, 138), .L = 2, .F = water, .A = 4, .area = true},
         "landArea",
         closed},
        {"beach", {{"natural", "beach"}}, {.K = rgb(174, 160, 106), .L = 2, .F = 5, .A = 0, .area = true}},
        {"marsh", {{"natural", "marsh"}}, {.K = rgb(21, 108, 186), .F = 4, .A = 7, .area = true}, "landArea"},
        {"scrub",
         {{"natural", "scrub"}},
         {.K = rgb(121, 167, 121), .W = 2, .L = 2, .F = 3, .A = 4, .area = true}},
        {"bay", {{"natural", "bay"}}, {.K = rgb(180, 170, 159), .F = 9, .A = 5, .area = true}},
        {"scree", {{"natural", "scree"}}, {.K = rgb(180, 170, 159), .F = 9, .A = 5, .area = true}},
        {"glacier", {{"natural", "glacier"}}, {.L = 2, .F = rgb(221, 236, 236), .A = 1, .area = true}},
        {"mud with a glacier key takes the glacier values",
         {{"natural", "mud"}, {"glacier:type", "plateau"}},
         {.K = rgb(180, 170, 159), .L = 2, .F = rgb(221, 236, 236), .A = 1, .area = true}},
        {"wood passes the natural areas",
         {{"natural", "wood"}},
         {.K = rgb(124, 159, 110), .L = 2, .F = 17, .A = 4, .area = true},
         "wood"},
        {"heath",
         {{"natural", "heath"}},
         {.K = rgb(154, 154, 92), .W = 3, .F = rgb(254, 254, 192), .A = 5, .area = true}},
        {"wetland",
         {{"natural", "wetland"}},
         {.K = rgb(100, 160, 193), .W = 2, .F = 4, .A = 7, .area = true}},
        {"unknown natural is no area", {{"natural", "peak"}}, {.A = 0}, "building", closed},
    });
}

TEST(WayClassTest, Landuse) {
    runCases({
        {"forest",
         {{"landuse", "forest"}},
         {.K = rgb(91, 146, 58), .W = 2, .L = 2, .F = 1, .A = 5, .area = true}},
        {"industrial",
         {{"landuse", "industrial"}},
         {.K = rgb(152, 139, 143), .F = rgb(222, 209, 213), .A = 2, .area = true}},
        {"commercial",
         {{"landuse", "commercial"}},
         {.K = rgb(178, 130, 130), .F = rgb(238, 200, 200), .A = 2, .area = true}},
        {"cemetery",
         {{"landuse", "cemetery"}},
         {.K = rgb(67, 122, 75), .F = 2, .A = 6, .area = true},
         "landArea"},
        {"quarry", {{"landuse", "quarry"}}, {.W = 3, .F = 7, .A = 7, .area = true}},
        {"allotments",
         {{"landuse", "allotments"}},
         {.K = rgb(150, 126, 82), .F = 8, .A = 7, .area = true},
         "landArea"},
        {"retail",
         {{"landuse", "retail"}},
         {.K = rgb(170, 148, 147), .W = 2, .F = rgb(240, 218, 217), .A = 5, .area = true}},
        {"farmyard",
         {{"landuse", "farmyard"}},
         {.K = rgb(151, 121, 76), .F = rgb(221, 191, 146), .A = 3, .area = true},
         "landArea"},
        {"farmland",
         {{"landuse", "farmland"}},
         {.K = rgb(164, 146, 129), .F = rgb(234, 216, 189), .A = 3, .area = true},
         "landArea"},
        {"military",
         {{"landuse", "military"}},
         {.K = rgb(226, 189, 186), .W = 2, .F = rgb(246, 209, 206), .A = 3, .area = true},
         "landArea"},
        {"orchard", {{"landuse", "orchard"}}, {.K = rgb(151, 121, 76), .F = 13, .A = 5, .area = true}},
        {"landfill", {{"landuse", "landfill"}}, {.F = rgb(153, 153, 153), .A = 5, .area = true}},
        {"grass value before the grass key",
         {{"landuse", "grass"}},
         {.K = rgb(156, 185, 118), .F = 20, .A = 2, .area = true},
         "landArea"},
        {"meadow",
         {{"landuse", "meadow"}},
         {.K = rgb(156, 185, 118), .F = 20, .A = 2, .area = true},
         "landArea"},
        {"village green",
         {{"landuse", "village_green"}},
         {.K = rgb(156, 185, 118), .F = 20, .A = 2, .area = true},
         "landArea"},
        {"field",
         {{"landuse", "field"}},
         {.K = rgb(153, 150, 125), .F = rgb(213, 210, 185), .A = 2, .area = true}},
        {"vineyard",
         {{"landuse", "vineyard"}},
         {.K = rgb(74, 147, 68), .F = 11, .A = 3, .area = true},
         "landArea"},
        {"basin",
         {{"landuse", "basin"}},
         {.K = rgb(151, 178, 178), .F = rgb(181, 208, 208), .A = 0, .area = true},
         "building"},
        {"grassland takes the grass key rule",
         {{"landuse", "grassland"}},
         {.K = rgb(157, 186, 118), .F = rgb(207, 236, 168), .A = 2, .area = true}},
        {"recreation ground",
         {{"landuse", "recreation_ground"}},
         {.K = rgb(157, 186, 118), .F = rgb(207, 236, 168), .A = 2, .area = true}},
        {"brownfield",
         {{"landuse", "brownfield"}},
         {.K = rgb(106, 106, 57), .W = 3, .F = 14, .A = 4, .area = true}},
        {"construction",
         {{"landuse", "construction"}},
         {.K = rgb(106, 106, 57), .W = 3, .F = 14, .A = 4, .area = true}},
        {"reservoir runs on past landuse",
         {{"landuse", "reservoir"}},
         {.W = 2, .F = rgb(181, 208, 208), .A = 0, .area = true},
         "landArea"},
        {"unknown landuse ends in the ring test", {{"landuse", "garages"}}, {.A = 0}, "building", closed},
    });
}

TEST(WayClassTest, AmenityLeisureTourism) {
    runCases({
        {"parking",
         {{"amenity", "parking"}},
         {.K = rgb(196, 188, 132), .W = 2, .F = rgb(246, 238, 182), .A = 0, .area = true},
         "landArea"},
        {"school",
         {{"amenity", "school"}},
         {.K = rgb(216, 177, 165), .F = rgb(240, 240, 216), .A = 0, .area = true}},
        {"university",
         {{"amenity", "university"}},
         {.K = rgb(216, 177, 165), .F = rgb(240, 240, 216), .A = 0, .area = true}},
        {"hospital",
         {{"amenity", "hospital"}},
         {.K = rgb(255, 190, 176), .F = rgb(240, 240, 216), .A = 4, .area = true}},
        {"place of worship",
         {{"amenity", "place_of_worship"}},
         {.F = rgb(150, 150, 150), .A = 2, .area = true}},
        {"grave yard",
         {{"amenity", "grave_yard"}},
         {.K = rgb(67, 180, 169), .F = 2, .A = 7, .area = true},
         "landArea"},
        {"unknown amenity is no area", {{"amenity", "bench"}}, {.A = 0}},
        {"tennis before pitch",
         {{"leisure", "pitch"}, {"sport", "tennis"}},
         {.K = rgb(67, 140, 104), .F = 21, .A = 0, .area = true},
         "landArea"},
        {"pitch",
         {{"leisure", "pitch"}},
         {.K = rgb(67, 140, 104), .F = rgb(137, 210, 174), .A = 0, .area = true},
         "landArea"},
        {"park",
         {{"leisure", "park"}},
         {.K = rgb(156, 196, 152), .F = rgb(206, 246, 202), .A = 2, .area = true}},
        {"playground",
         {{"leisure", "playground"}},
         {.K = rgb(134, 185, 185), .F = rgb(204, 255, 255), .A = 0, .area = true},
         "landArea"},
        {"golf course", {{"leisure", "golf_course"}}, {.F = rgb(181, 227, 181), .A = 0, .area = true}},
        {"sports centre",
         {{"leisure", "sports_centre"}},
         {.F = rgb(51, 203, 153), .A = 0, .area = true},
         "landArea"},
        {"garden",
         {{"leisure", "garden"}},
         {.K = rgb(156, 185, 118), .F = rgb(206, 235, 168), .A = 5, .area = true}},
        {"leisure track",
         {{"leisure", "track"}},
         {.K = rgb(31, 174, 123), .F = rgb(51, 204, 153), .A = 0, .area = true},
         "landArea"},
        {"nature reserve",
         {{"leisure", "nature_reserve"}},
         {.K = rgb(162, 185, 133), .F = 10, .A = 5, .area = true}},
        {"water park", {{"leisure", "water_park"}}, {.K = rgb(162, 185, 133), .F = 19, .A = 5, .area = true}},
        {"attraction",
         {{"tourism", "attraction"}},
         {.K = rgb(171, 132, 163), .F = rgb(241, 202, 233), .A = 4, .area = true}},
        {"zoo", {{"tourism", "zoo"}}, {.K = rgb(77, 171, 75), .F = 12, .A = 4, .area = true}},
        {"camp site", {{"tourism", "camp_site"}}, {.F = 15, .A = 4, .area = true}},
        {"picnic site",
         {{"tourism", "picnic_site"}},
         {.K = rgb(173, 196, 143), .F = rgb(223, 246, 193), .A = 1, .area = true}},
        {"caravan site", {{"tourism", "caravan_site"}}, {.F = 16, .A = 4, .area = true}},
    });
}

TEST(WayClassTest, WaterAndSingleRules) {
    const Double water = rgb(181, 208, 208);
    runCases({
        {"historic city", {{"historic", "city_walls"}}, {.F = rgb(120, 120, 120), .A = 0}},
        {"canal", {{"waterway", "canal"}}, {.C = water, .W = 5, .A = 5}, "waterway"},
        {"drain", {{"waterway", "drain"}}, {.C = water, .W = 2, .A = 2}, "waterway"},
        {"weir", {{"waterway", "weir"}}, {.C = water, .W = 2, .A = 2}, "waterway"},
        {"riverbank is not a river", {{"waterway", "riverbank"}}, {.W = 4, .F = 19, .A = 4, .area = true}},
        {"dam", {{"waterway", "dam"}}, {.C = rgb(109, 109, 109), .W = 4, .A = 4}},
        {"dam that is also a dock",
         {{"waterway", "dam"}, {"dock", "floating"}},
         {.C = rgb(109, 109, 109), .W = 4, .F = water, .A = 4, .area = true}},
        {"unknown waterway ends unstyled", {{"waterway", "ditch"}}, {.A = 0}, "", closed},
        {"water key without waterway ends with nothing set", {{"water", "pond"}}, {.A = 0}, "", closed},
        {"_green", {{"golf", "_green"}}, {.S = 5, .F = rgb(163, 211, 156), .A = 7, .area = true}},
        {"military key",
         {{"military", "barracks"}},
         {.K = rgb(174, 63, 63), .W = 2, .F = rgb(254, 143, 143), .A = 3, .area = true},
         "landArea"},
        {"pier", {{"man_made", "pier"}}, {.C = rgb(210, 210, 210), .W = 3, .A = 0}},
        {"other man-made", {{"man_made", "tower"}}, {.A = 0}, "building", closed},
        {"apron",
         {{"aeroway", "apron"}},
         {.K = rgb(140, 114, 154), .W = 2, .F = rgb(240, 224, 254), .A = 3, .area = true}},
        {"terminal",
         {{"aeroway", "terminal"}},
         {.K = rgb(154, 103, 205), .W = 2, .F = rgb(204, 153, 255), .A = 0, .area = true}},
        {"aerodrome",
         {{"aeroway", "aerodrome"}},
         {.K = rgb(184, 182, 176), .W = 2, .F = rgb(234, 232, 226), .A = 0, .area = true}},
    });
}

TEST(WayClassTest, PowerAndTheLastRules) {
    const Double wire = rgb(136, 136, 136);
    runCases({
        {"sub_station",
         {{"power", "sub_station"}},
         {.F = rgb(186, 186, 186), .A = 0, .area = true},
         "",
         closed},
        {"substation is no power word", {{"power", "substation"}}, {.A = 0}, "building", closed},
        {"generator", {{"power", "generator"}}, {.F = rgb(186, 186, 186), .A = 0, .area = true}},
        {"power line", {{"power", "line"}}, {.C = wire, .L = 100, .A = 0}},
        {"minor line", {{"power", "minor_line"}}, {.C = wire, .L = 100, .A = 0}},
        {"station with a line is a line",
         {{"power", "station"}, {"cables", "line"}},
         {.C = wire, .L = 100, .F = rgb(186, 186, 186), .A = 0}},
        {"boundary",
         {{"boundary", "administrative"}},
         {.S = 4, .L = 100, .F = rgb(96, 92, 168), .A = 0},
         "boundary"},
        {"embankment", {{"embankment", "yes"}}, {.W = 3, .S = 1, .L = 100, .F = rgb(166, 124, 82), .A = 0}},
        {"cutting", {{"cutting", "yes"}}, {.S = 1, .L = 100, .F = rgb(199, 178, 153), .A = 0}},
        {"ferry", {{"route", "ferry"}}, {.C = rgb(0, 174, 239), .S = 2, .L = 100, .A = 3}},
        {"wall", {{"barrier", "wall"}}, {.W = 3, .L = 100, .F = rgb(122, 122, 122), .A = 0}},
        {"fence", {{"barrier", "fence"}}, {.L = 100, .F = rgb(122, 122, 122), .A = 0}},
        {"aerialway ring", {{"aerialway", "cable_car"}}, {.C = wire, .A = 0}, "building", closed},
        {"open aerialway", {{"aerialway", "cable_car"}}, {.C = wire, .A = 0}},
    });
}

TEST(WayClassTest, AddressInterpolation) {
    struct AddrCase {
        const char* what;
        Tags tags;
        Look want;
        bool counted;
        bool ring; // not an address: the chain runs on to the ring test
    };
    const Double purple = rgb(146, 39, 143);
    const AddrCase cases[] = {
        {"odd",
         {{"addr:interpolation", "odd"}},
         {.C = purple, .K = 0, .S = 3, .L = 100, .A = 3},
         true,
         false},
        {"even",
         {{"addr:interpolation", "even"}},
         {.C = purple, .K = 0, .S = 4, .L = 100, .A = 3},
         true,
         false},
        {"all dashes give way to dash-dot-dot",
         {{"addr:interpolation", "all"}},
         {.C = purple, .K = 0, .S = 4, .L = 100, .A = 3},
         true,
         false},
        {"with a building keeps the class and the dashes",
         {{"addr:interpolation", "all"}, {"building", "yes"}},
         {.S = 1, .L = 100, .A = 0},
         false,
         false},
        {"Addr in capitals is not an address", {{"Addr:interpolation", "odd"}}, {.A = 0}, false, true},
    };
    for (const char q : kQuotes) {
        for (const AddrCase& c : cases) {
            const std::string ctx = std::string(c.what) + " quote " + q;
            const std::string raw = wayPiece(q, c.tags, Shape::Closed);
            const Outcome got = classifyText(q, raw);
            expectLook(got.look, c.want, ctx);
            EXPECT_EQ(got.data.buildingCount, c.counted ? 1 : 0) << ctx;
            EXPECT_EQ(got.data.trailerText, c.counted ? raw + "\r\n" : "") << ctx;
            // An address line ends the chain before the ring test, closed or not.
            EXPECT_EQ(got.lists.buildingList, c.ring ? "#7#" : "#") << ctx;
        }
    }
}

TEST(WayClassTest, RingTestAndTheEndMark) {
    for (const char q : kQuotes) {
        const std::string ctx = std::string("quote ") + q;
        // Tabs or nothing before the references classify as blanks do: an open way is no ring.
        for (const char* indent : {"\t", ""}) {
            for (const Shape shape : {Shape::Open, Shape::Closed}) {
                std::string tight = wayPiece(q, {{"highway", "proposed"}}, shape);
                for (std::size_t at = tight.find("  <nd"); at != std::string::npos;
                     at = tight.find("  <nd", at))
                    tight.replace(at, 2, indent);
                const Outcome got = classifyText(q, tight);
                const Outcome blanks = classify(q, {{"highway", "proposed"}}, shape);
                const std::string what =
                    ctx + (shape == Shape::Open ? " open" : " closed") + " indent '" + indent + "'";
                EXPECT_EQ(got.lists.buildingList, shape == Shape::Closed ? "#7#" : "#") << what;
                EXPECT_EQ(got.lists.buildingList, blanks.lists.buildingList) << what;
                EXPECT_FALSE(got.look.isArea) << what;
                EXPECT_TRUE(got.look.endMark) << what;
            }
        }
        // An open way that passes its first node again on the way is no ring either.
        const std::string loop = "id=" + std::string(1, q) + "7" + q + "><nd ref=" + q + "101" + q +
                                 "/><nd ref=" + q + "101" + q + "/><nd ref=" + q + "102" + q + "/></way>";
        EXPECT_EQ(classifyText(q, loop).lists.buildingList, "#") << ctx;

        // The ring test sets the mark; a highway rule leaves the carried mark alone; the power
        // head clears it and a power word sets it again.
        EXPECT_TRUE(classify(q, {{"highway", "proposed"}}, Shape::Open, false).look.endMark) << ctx;
        EXPECT_TRUE(classify(q, {{"highway", "primary"}}, Shape::Open, true).look.endMark) << ctx;
        EXPECT_FALSE(classify(q, {{"highway", "primary"}}, Shape::Open, false).look.endMark) << ctx;
        EXPECT_FALSE(classify(q, {{"power", "pole"}, {"boundary", "fence"}}, Shape::Open, true).look.endMark)
            << ctx;
        EXPECT_TRUE(classify(q, {{"power", "sub_station"}}, Shape::Open, false).look.endMark) << ctx;
        EXPECT_FALSE(classify(q, {{"power", "line"}}, Shape::Open, true).look.endMark) << ctx;

        EXPECT_TRUE(classify(q, {{"amenity", "place_of_worship"}}).look.skipEarlyChecks) << ctx;
        EXPECT_FALSE(classify(q, {{"amenity", "parking"}}).look.skipEarlyChecks) << ctx;
    }
}

// The look checks read the classification's scans: each answers as a find in its text would.
TEST(WayClassTest, LookChecksAnswerAsFindInTheirText) {
    using Check = WayClassifierRules::Check;
    for (const char q : kQuotes) {
        const std::string Q(1, q);
        const std::pair<Check, std::string> needles[] = {
            {Check::Constr, Q + "constr"},       {Check::Access, Q + "access"},
            {Check::Private, Q + "priva"},       {Check::AccessNo, "ss" + Q + " v=" + Q + "no"},
            {Check::Permissive, Q + "permis"},   {Check::Building, Q + "building" + Q},
            {Check::Bridge, Q + "bridge" + Q + " "}, {Check::Highway, Q + "highway"},
            {Check::Railway, Q + "railw"},       {Check::Waterway, Q + "waterway"},
            {Check::Tunnel, Q + "tunnel"}};
        const WayClassifierRules rules(q);
        for (const Tags& tags : {Tags{{"highway", "construction"}, {"access", "no"}, {"bridge", "yes"}},
                                 Tags{{"Building", "yes"}, {"tunnel", "culvert"}, {"waterway", "ditch"}},
                                 Tags{{"railway", "rail"}, {"access", "permissive"}, {"bridge", "viaduct"}},
                                 Tags{{"access", "private"}}, Tags{}}) {
            const std::string raw = wayPiece(q, tags, Shape::Open);
            const std::string lower = basic::lcase(raw);
            Outcome out;
            WayClassifierRules::Found found;
            rules.classify({kIndex, raw, lower}, out.look, out.lists, out.data, found);
            for (const auto& [check, needle] : needles)
                EXPECT_EQ(rules.holds(found, check), lower.find(needle) != std::string::npos) << needle << " in " << raw;
            EXPECT_EQ(rules.holds(found, Check::Tag), raw.find("tag ") != std::string::npos) << raw;
        }
    }
}

} // namespace
} // namespace osmimport
