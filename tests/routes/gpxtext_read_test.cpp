// The GPX reader: a catalogue of inputs, well-formed and broken, each with the one set of points
// it must give; then the limits on names and on the number of points.

#include "routes/gpxtext_read.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace routes {
namespace {

using basic::Single;

struct Expected {
    Single lat;
    Single lon;
    std::string name;
};

struct Case {
    const char* what;
    std::string text;
    std::vector<Expected> points;
    std::size_t named;
};

void expectPoints(const GpxPoints& got, const std::vector<Expected>& points, std::size_t named) {
    EXPECT_EQ(got.namedCount, named);
    ASSERT_EQ(got.points.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(got.points[i].lat, points[i].lat) << "point " << i + 1;
        EXPECT_EQ(got.points[i].lon, points[i].lon) << "point " << i + 1;
        EXPECT_EQ(got.points[i].name, points[i].name) << "point " << i + 1;
    }
}

const std::vector<Case>& catalogue() {
    static const char garbage[] = "\x00\xff<<<>>>< wpt lat=\"1\" lon=\"1\"/>\x01<\x80<";
    static const std::vector<Case> cases = {
        {"one waypoint",
         R"(<wpt lat="51.5" lon="-0.12"><name>Home</name></wpt>)",
         {{51.5f, -0.12f, "home"}},
         1},
        {"waypoints, then route points, then track points, each in file order",
         R"(<trk><name>T</name><trkseg><trkpt lat="3" lon="3"/>)"
         R"(<trkpt lat="4" lon="4"></trkpt></trkseg></trk>)"
         R"(<rte><name>R</name><rtept lat="2" lon="2"><name>B</name></rtept></rte>)"
         R"(<wpt lat="1" lon="1"><name>A</name></wpt><wpt lat="1.5" lon="1.5"><name>A2</name></wpt>)",
         {{1, 1, "a"}, {1.5f, 1.5f, "a2"}, {2, 2, "b"}, {3, 3, ""}, {4, 4, ""}},
         3},
        {"route points without waypoints are read once",
         R"(<rte><rtept lat="1" lon="2"><name>x</name></rtept>)"
         R"(<rtept lat="3" lon="4"><name>y</name></rtept></rte>)",
         {{1, 2, "x"}, {3, 4, "y"}},
         2},
        {"track names and segments are no points, even when they hold \"lat\"",
         "<trk><name>Plateau, late</name><desc>lat=\"5\" lon=\"6\"</desc><trkseg>\n"
         "<trkpt lat=\"1\" lon=\"2\"><ele>5</ele></trkpt></trkseg></trk>",
         {{1, 2, ""}},
         0},
        {"single-quoted attributes",
         "<wpt lat='51.5' lon='7.25'><name>Q</name></wpt>",
         {{51.5f, 7.25f, "q"}},
         1},
        {"lon before lat, blanks and line breaks around the equals sign",
         "<wpt\n  lon = \"7.25\"\tlat=\n'51.5' ><name>Q</name></wpt>",
         {{51.5f, 7.25f, "q"}},
         1},
        {"tags and attributes in capitals",
         R"(<WPT LAT="1" LON="2"><NAME>Big Ben</NAME></WPT>)",
         {{1, 2, "big ben"}},
         1},
        {"unquoted values", "<wpt lat=1.5 lon=2.5/><wpt lat=3 lon=4>", {{1.5f, 2.5f, ""}, {3, 4, ""}}, 2},
        {"UTF-8 names: the Windows-1252 case pairs, other letters as they are",
         "<wpt lat=\"1\" lon=\"2\"><name>\u00c9COLE \u0178 \u0160\u017d\u0152 Stra\u00dfe \u00d7 "
         "\u041c\u041e\u0421\u041a\u0412\u0410</name></wpt>",
         {{1, 2,
           "\u00e9cole \u00ff \u0161\u017e\u0153 stra\u00dfe \u00d7 \u041c\u041e\u0421\u041a\u0412\u0410"}},
         1},
        {"Windows-1252 names",
         "<wpt lat=\"1\" lon=\"2\"><name>\xC9"
         "COLE \x8A\x9F</name></wpt>",
         {{1, 2,
           "\xE9"
           "cole \x9A\xFF"}},
         1},
        {"entities and character references",
         R"(<wpt lat="1" lon="2"><name>Fish &amp; Chips &lt;3&gt; &quot;&apos; )"
         R"(&#233;&#xE9; &bogus; &#0; &#xD800; &</name></wpt>)",
         {{1, 2, "fish & chips <3> \"' \u00e9\u00e9 &bogus; &#0; &#xd800; &"}},
         1},
        {"a CDATA name as it stands",
         R"(<wpt lat="1" lon="2"><name><![CDATA[A &amp; B]]></name></wpt>)",
         {{1, 2, "a &amp; b"}},
         1},
        {"names trimmed",
         "<wpt lat=\"1\" lon=\"2\"><name>\n   Spaced  Out \t\r\n</name></wpt>",
         {{1, 2, "spaced  out"}},
         1},
        {"a point without a name takes no other name",
         R"(<wpt lat="1" lon="1"><name>One</name></wpt><wpt lat="2" lon="2"><ele>3</ele></wpt>)"
         R"(<rte><name>Route</name><rtept lat="3" lon="3"/></rte>)"
         R"(<wpt lat="4" lon="4"/><trk><name>T</name></trk>)",
         {{1, 1, "one"}, {2, 2, ""}, {4, 4, ""}, {3, 3, ""}},
         4},
        {"a point never closed ends its name search at the next point",
         R"(<wpt lat="1" lon="1"><ele>1</ele><wpt lat="2" lon="2"><name>B</name></wpt>)",
         {{1, 1, ""}, {2, 2, "b"}},
         2},
        {"a name ends at any \"<\", its end tag or not",
         R"(<wpt lat="1" lon="2"><name>abc<wpt lat="3" lon="4"><name>d<b>e</b></name></wpt>)"
         R"(<rtept lat="2" lon="2"><name> x <!-- y -->)",
         {{1, 2, "abc"}, {3, 4, "d"}, {2, 2, "x"}},
         3},
        {"the last name of a file runs to its end",
         R"(<wpt lat="1" lon="1"><name>Cut &amp; off )",
         {{1, 1, "cut & off"}},
         1},
        {"names without their ends keep the later points",
         R"(<wpt lat="1" lon="1"><name>Cut off <wpt lat="2" lon="2"><name>Two<trkpt lat="3" lon="3">)",
         {{1, 1, "cut off"}, {2, 2, "two"}, {3, 3, ""}},
         2},
        {"a CDATA name holds \"<\" up to its \"]]>\"",
         R"(<wpt lat="1" lon="1"><name> <![CDATA[a</b>]]></name></wpt><wpt lat="2" lon="2"/>)",
         {{1, 1, "a</b>"}, {2, 2, ""}},
         2},
        {"a file cut inside a start tag keeps the points before it",
         R"(<wpt lat="1" lon="1"><name>a</name></wpt><wpt lat="2" lo)",
         {{1, 1, "a"}},
         1},
        {"a file cut inside a quoted value", R"(<wpt lat="1" lon="1"/><wpt lat="2)", {{1, 1, ""}}, 1},
        {"a quote closed too late loses only its own point",
         R"(<wpt lat="1" lon="1"/><wpt lat="2 lon="3"/><wpt lat="4" lon="5"/>)",
         {{1, 1, ""}, {4, 5, ""}},
         2},
        {"a point needs both coordinates", R"(<wpt lat="1"><name>a</name></wpt><trkpt lon="2"/>)", {}, 0},
        {"no number gives 0",
         R"(<wpt lat="north" lon=""/><trkpt lat="  -1.5x" lon="2,5"/>)",
         {{0, 0, ""}, {-1.5f, 2, ""}},
         1},
        {"coordinates beyond the earth are no points",
         R"(<wpt lat="90.5" lon="0"/><wpt lat="0" lon="-180.01"/>)"
         R"(<wpt lat="1e999" lon="0"/><wpt lat="-90" lon="180"/>)",
         {{-90, 180, ""}},
         1},
        {"comments and CDATA sections hide what they hold",
         R"(<!-- <wpt lat="9" lon="9"/> --><desc><![CDATA[<wpt lat="8" lon="8"/>]]></desc>)"
         R"(<wpt lat="1" lon="1"/>)",
         {{1, 1, ""}},
         1},
        {"a comment never closed hides the rest",
         R"(<wpt lat="1" lon="1"/><!-- <wpt lat="2" lon="2"/>)",
         {{1, 1, ""}},
         1},
        {"longer tag names are not points",
         R"(<wptx lat="1" lon="1"/><trkpts lat="2" lon="2"/><rteptx lat="3" lon="3"/>)",
         {},
         0},
        {"no points: metadata only",
         R"(<?xml version="1.0"?><gpx version="1.1"><metadata><name>x</name>)"
         R"(<bounds minlat="1" minlon="2" maxlat="3" maxlon="4"/></metadata></gpx>)",
         {},
         0},
        {"the empty text", "", {}, 0},
        {"garbage", std::string(garbage, sizeof garbage - 1), {}, 0},
        {"a lone \"<\" at the end", R"(<wpt lat="1" lon="1"/><)", {{1, 1, ""}}, 1},
        {"a tag name at the very end", R"(<wpt lat="1" lon="1"/><wpt)", {{1, 1, ""}}, 1},
    };
    return cases;
}

TEST(GpxReadTest, EveryCatalogueEntryGivesItsPoints) {
    for (const Case& c : catalogue()) {
        SCOPED_TRACE(c.what);
        expectPoints(readGpx(c.text), c.points, c.named);
    }
}

TEST(GpxReadTest, NamesAreCutWithoutSplittingACharacter) {
    const struct {
        const char* what;
        std::string name;
        std::string kept;
    } cases[] = {
        {"ASCII", std::string(300, 'a'), std::string(255, 'a')},
        {"a two-byte letter across the cut", std::string(254, 'a') + "\u00e9b", std::string(254, 'a')},
        {"a two-byte letter ending at the cut", std::string(253, 'a') + "\u00e9b",
         std::string(253, 'a') + "\u00e9"},
        {"a four-byte character across the cut", std::string(253, 'a') + "\U0001F600", std::string(253, 'a')},
        {"blanks before the cut dropped", std::string(250, 'a') + std::string(10, ' ') + "b",
         std::string(250, 'a')},
        {"exactly the limit", std::string(255, 'A'), std::string(255, 'a')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const GpxPoints got = readGpx("<wpt lat=\"1\" lon=\"2\"><name>" + c.name + "</name></wpt>");
        ASSERT_EQ(got.points.size(), 1u);
        EXPECT_EQ(got.points[0].name, c.kept);
    }
}

TEST(GpxReadTest, AHugeNameIsCutAndTheNextPointStillRead) {
    const std::string text = "<wpt lat=\"1\" lon=\"2\"><name>" + std::string(50'000'000, 'x') +
                             "</name></wpt><wpt lat=\"3\" lon=\"4\"><name>Next</name></wpt>";
    const GpxPoints got = readGpx(text);
    ASSERT_EQ(got.points.size(), 2u);
    EXPECT_EQ(got.points[0].name, std::string(kGpxNameBytes, 'x'));
    EXPECT_EQ(got.points[1].name, "next");
}

std::string repeated(std::string_view element, std::size_t n) {
    std::string text;
    text.reserve(element.size() * n);
    for (std::size_t i = 0; i < n; ++i)
        text += element;
    return text;
}

TEST(GpxReadTest, AtMostTenThousandPointsWaypointsFirst) {
    const std::string wpt = R"(<wpt lat="1" lon="1"><name>w</name></wpt>)";
    const std::string trkpt = R"(<trkpt lat="2" lon="2"/>)";
    const struct {
        const char* what;
        std::string text;
        std::size_t size;
        std::size_t named;
    } cases[] = {
        {"10001 waypoints", repeated(wpt, 10001), 10000, 10000},
        {"6000 waypoints after 6000 track points", repeated(trkpt, 6000) + repeated(wpt, 6000), 10000, 6000},
        {"2 waypoints after 9999 track points", repeated(trkpt, 9999) + repeated(wpt, 2), 10000, 2},
        {"exactly 10000 track points", repeated(trkpt, 10000), 10000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const GpxPoints got = readGpx(c.text);
        ASSERT_EQ(got.points.size(), c.size);
        EXPECT_EQ(got.namedCount, c.named);
        std::size_t misplaced = 0;
        for (std::size_t i = 0; i < got.points.size(); ++i)
            misplaced += got.points[i].lat != (i < c.named ? 1.0f : 2.0f);
        EXPECT_EQ(misplaced, 0u);
    }
}

TEST(GpxReadTest, ManyNamesWithoutAnEndAreReadInOnePass) {
    // Were each name to look for an end tag up to the end of the text, this would take hours.
    const GpxPoints got = readGpx(repeated(R"(<wpt lat="1" lon="1"><name>unfinished )", 400'000));
    EXPECT_EQ(got.points.size(), kGpxPointLimit);
    EXPECT_EQ(got.namedCount, kGpxPointLimit);
    EXPECT_EQ(got.points.front().name, "unfinished");
    EXPECT_EQ(got.points.back().name, "unfinished");
}

} // namespace
} // namespace routes
