// The describing text of a way in its problem markers.

#include "import/waydescribe.h"

#include <gtest/gtest.h>

namespace osmimport {
namespace {

const std::string kWay = "id=\"7\">\n  <nd ref=\"11\"/>\n  <nd ref=\"12\"/>\n  <nd ref=\"13\"/>\n"
                         "  <tag k=\"landuse\" v=\"xyz\"/>\n </way>";

TEST(Fntag, ATextWithoutNodeReferencesComesBackUnchanged) {
    EXPECT_EQ(fntag("AREA: k=\"landuse\" v=\"xyz\"/>", true, '"'), "AREA: k=\"landuse\" v=\"xyz\"/>");
    EXPECT_EQ(fntag("", false, '"'), "");
}

TEST(Fntag, TellsTheTagsAndTheNodeCount) {
    EXPECT_EQ(fntag(kWay, true, '"'), "landuse\" v=\"xyz\"/>\n </way>\r\n3 nodes.");
}

TEST(Fntag, TwoReferencesAreTooFewForAnArea) {
    const std::string two = "<nd ref=\"1\"/><nd ref=\"2\"/><tag k=\"a\" v=\"b\"/>";
    EXPECT_EQ(fntag(two, true, '"'), "a\" v=\"b\"/>\r\n2 nodes.  Area needs at least 3 nodes.");
}

TEST(Fntag, AMissingReferenceIsTold) {
    EXPECT_EQ(fntag(kWay, false, '"'), "landuse\" v=\"xyz\"/>\n </way>\r\n3 nodes.\r\n 11  12  13 \r\n\r\n"
                                       "At least one node lacks reference (in downloaded file).");
}

TEST(Fntag, ANodeComingBackNamesTheFirstRepeatedId) {
    const std::string loop = "<nd ref='12'/><nd ref='7'/><nd ref='7'/><nd ref='12'/><tag k='a' v='b'/>";
    EXPECT_EQ(fntag(loop, true, '\''), "a' v='b'/>\r\n4 nodes.\r\n 12  7  7  12 \r\n\r\n"
                                       "Caution: 'node loop-back' within the line.(12)");
    // A missing reference is told instead of the loop.
    EXPECT_NE(fntag(loop, false, '\'').find(kLacksReference), std::string::npos);
    EXPECT_EQ(fntag(loop, false, '\'').find("loop-back"), std::string::npos);
}

TEST(Fntag, AWayWithoutTagsHasOnlyItsCount) {
    EXPECT_EQ(fntag("<nd ref=\"1\"/><nd ref=\"2\"/><nd ref=\"3\"/>", true, '"'), "\r\n3 nodes.");
}

} // namespace
} // namespace osmimport
