#include "import/poidesc.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace osmimport {
namespace {

struct CountingSink : NodeClassSink {
    std::vector<int> counted;
    void count(int label, Long) override { counted.push_back(label); }
    void emptyTagCounted(Long) override {}
    void bridgeCounted(Long) override {}
};

struct PoiDescFixture : ::testing::Test {
    ProjectData data;
    CountingSink sink;
    PoiDescriber describer{'"', data, sink};

    std::string describe(const std::string& code, std::string text, Long id = 7) {
        return describer.tooltx(code, text, id);
    }
};

struct DescCase {
    const char* what;
    std::string code;
    std::string text;
    std::string description;
};

TEST_F(PoiDescFixture, DescriptionsByCode) {
    const std::string rs(1, '\x1e');
    const DescCase cases[] = {
        {"named pub", "PUB", R"(><tag k="amenity" v="pub"/><tag k="name" v="Red Lion"/>)", "Red Lion"},
        {"pub with empty-tag mark", "PUB+", R"(><tag k="amenity" v="pub"/><tag k="name" v="Red Lion"/>)",
         "Red Lion"},
        {"unnamed bus stop", "BUS", R"(><tag k="highway" v="bus_stop"/>)", "Bus Stop?"},
        {"named bus stop", "BUS", R"(><tag k="highway" v="bus_stop"/><tag k="name" v="Mill Lane"/>)",
         rs + "Mill Lane"},
        {"dispensing pharmacy", "PHA",
         R"(><tag k="amenity" v="pharmacy"/><tag k="dispensing" v="yes"/><tag k="name" v="Boots"/>)",
         "0#Boots (dispensing)"},
        {"worship with denomination", "CHS",
         R"(><tag k="amenity" v="place_of_worship"/><tag k="name" v="Gurdwara"/><tag k="denomination" v="sikh"/>)",
         "0#Gurdwara" + rs + " (sikh)"},
        {"unnamed skip-set worship", "CHU",
         R"(><tag k="amenity" v="place_of_worship"/><tag k="x" v="station"/>)", "Place of Worship?"},
        {"unnamed club", "X11", R"(><tag k="sport" v="tennis"/><tag k="x" v="station"/>)", "Name of Club?"},
        {"crossing icon", "X21", R"(><tag k="highway" v="crossing"/>)", ""},
        {"waterway icon", "X17", R"(><tag k="waterway" v="weir"/>)", "weir"},
        {"high icon number reads amenity", "X45", R"(><tag k="amenity" v="vending_machine"/>)",
         "vending_machine"},
        {"historic", "HIS", R"(><tag k="historic" v="ruins"/><tag k="name" v="Abbey"/>)", "Abbey -ruins"},
        {"tourism", "TOU", R"(><tag k="tourism" v="artwork"/><tag k="name" v="Angel"/>)", "Angel-artwork"},
        {"tag: created_by JOSM only", "TAG", R"(><tag k="created_by" v="JOSM"/>)", ""},
        {"tag: source", "TAG", R"(><tag k="source" v="survey"/><tag k="foo" v="bar"/>)", ""},
        {"tag: note", "TAG", R"(><tag k="foo" v="bar"/><tag k="note" v="check this"/>)", "check this"},
        {"tag: motorway junction", "TAG", R"(><tag k="highway" v="motorway_junction"/><tag k="ref" v="12"/>)",
         "12"},
        {"tag: motorway junction without ref", "TAG", R"(><tag k="highway" v="motorway_junction"/>)", "J~"},
        {"tag: yes gives the whole text", "TAG", R"(><tag k="barrier" v="yes"/></node>)",
         R"(><tag k="barrier" v="yes"/>)"},
        {"tag: first value", "TAG", R"(><tag k="foo" v="bar"/>)", "bar"},
    };
    for (const DescCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(describe(c.code, c.text), c.description);
    }
}

TEST_F(PoiDescFixture, UnnamedFeaturesAreNumberedInTheNoNameList) {
    EXPECT_EQ(describe("CAF", R"(><tag k="amenity" v="cafe"/>)", 3), "1$Cafe?");
    EXPECT_EQ(describe("BUS", R"(><tag k="highway" v="bus_stop"/>)", 4), "Bus Stop?");
    EXPECT_EQ(describe("RES", R"(><tag k="amenity" v="restaurant"/>)", 5), "2$Restaurant?");
    EXPECT_EQ(describe("X7 ", R"(><tag k="amenity" v="fast_food"/>)", 6), "3$Name?");
    EXPECT_EQ(data.noNameList, "3#5#6#");
}

TEST_F(PoiDescFixture, NameAfterSeveralAmpersandsIsFoundAndTheTextChanged) {
    std::string text = R"(><tag k="a" v="x &amp; y &amp; z"/><tag k="name" v="Fish &amp; Chips"/>)";
    EXPECT_EQ(describer.nam(text, 1), "Fish & Chips");
    EXPECT_EQ(text, R"(><tag k="a" v="x & y & z"/><tag k="name" v="Fish & Chips"/>)");
    EXPECT_EQ(data.noNameList, "");
}

TEST_F(PoiDescFixture, PlaceBayStationAndAmenityLists) {
    EXPECT_EQ(describe("PLA", R"(><tag k="place" v="town"/><tag k="name" v="st ives"/>)", 1), "st ives");
    EXPECT_EQ(describe("BAY", R"(><tag k="natural" v="bay"/><tag k="name" v="Cardigan Bay"/>)", 2),
              "Cardigan Bay");
    EXPECT_EQ(describe("BAY", R"(><tag k="natural" v="bay"/>)", 3), "");
    EXPECT_EQ(describe("STA", R"(><tag k="railway" v="station"/><tag k="name" v="Lime Street"/>)", 4),
              "Lime Street");
    EXPECT_EQ(data.placeList, "1#St Ives\r\n2#\x1f"
                              "Cardigan Bay\r\n4#\x1fLime Street\r\n");
    EXPECT_EQ(describe("AME", R"(><tag k="amenity" v="clock"/>)", 9), "clock");
    EXPECT_EQ(data.amenityList, "9^clock\r\n");
    EXPECT_EQ(sink.counted, (std::vector<int>{0}));
}

TEST(PoiDescJosmTest, SingleQuotedNames) {
    ProjectData data;
    CountingSink sink;
    PoiDescriber describer('\'', data, sink);
    std::string text = "><tag k='amenity' v='pub'/><tag k='name' v='Red Lion'/>";
    EXPECT_EQ(describer.tooltx("PUB", text, 1), "Red Lion");
}

} // namespace
} // namespace osmimport
