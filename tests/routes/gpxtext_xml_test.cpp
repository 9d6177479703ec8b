// The route's GPX and KML documents as an XML reader and our own GPX import take them: whole,
// well-formed, with the route's name, its points and their coordinates.

#include "basic/numbers.h"
#include "routes/gpxtext.h"
#include "routes/gpxtext_read.h"

#include <QXmlStreamReader>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace routes {
namespace {

using basic::Single;

struct Case {
    std::vector<Single> lat;
    std::vector<Single> lon;
    std::string curFile;
    QString name; // the route's name as a reader gives it back
};

std::vector<Case> cases() {
    return {
        {{51.50735f}, {-0.1277583f}, "/home/mapper/osm/london.osm", "/home/mapper/osm/london.osm"},
        {{51.50735f, -33.86882f, 1.234568e-5f, 12.0f, -89.99999f},
         {-0.1277583f, 151.2093f, -5e-5f, -180.0f, 179.99999f},
         "/home/mapper/osm/Tom & Jerry <1> \"Z\xFCrich\".osm",
         QString::fromUtf8("/home/mapper/osm/Tom & Jerry <1> \"Z\xC3\xBCrich\".osm")},
        {{1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f}, "a\x01\x7F" "b", "ab"},
    };
}

// Within one unit of the seventh significant digit.
void expectCoordinate(double read, Single written) {
    const double unit = written == 0 ? 1e-7 : std::pow(10.0, std::floor(std::log10(std::fabs(written))) - 6);
    EXPECT_LE(std::fabs(read - written), unit) << read << " for " << written;
}

// What an XML reader finds in a document: element counts, the text of each named element in
// order, and whether it read to the end without an error.
struct ReadBack {
    std::map<QString, int> elements;
    std::map<QString, std::vector<QString>> texts;
    std::vector<std::pair<double, double>> points; // lat, lon of the point elements
    QString error;
};

ReadBack readXml(const std::string& document) {
    ReadBack back;
    QXmlStreamReader xml(QByteArray::fromStdString(document));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString name = xml.name().toString();
        ++back.elements[name];
        if (name == "wpt" || name == "rtept") {
            back.points.emplace_back(xml.attributes().value("lat").toDouble(),
                                     xml.attributes().value("lon").toDouble());
        } else if (name == "name" || name == "coordinates") {
            back.texts[name].push_back(xml.readElementText());
        }
    }
    if (xml.hasError()) back.error = xml.errorString();
    return back;
}

TEST(GpxXmlTest, GpxReadsBackWhole) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.curFile);
        const ReadBack back = readXml(gpxText(c.lat, c.lon, c.curFile));
        ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
        const std::size_t n = c.lat.size();
        EXPECT_EQ(back.elements.at("gpx"), 1);
        EXPECT_EQ(back.elements.at("wpt"), static_cast<int>(n));
        EXPECT_EQ(back.elements.at("rtept"), static_cast<int>(n));
        const std::vector<QString>& names = back.texts.at("name");
        ASSERT_EQ(names.size(), 2 * n + 1); // the waypoints', the route's, the route points'
        EXPECT_EQ(names[n], c.name);
        ASSERT_EQ(back.points.size(), 2 * n);
        for (std::size_t i = 0; i < 2 * n; ++i) {
            expectCoordinate(back.points[i].first, c.lat[i % n]);
            expectCoordinate(back.points[i].second, c.lon[i % n]);
        }
    }
}

TEST(GpxXmlTest, KmlReadsBackWhole) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.curFile);
        const ReadBack back = readXml(kmlText(c.lat, c.lon, c.curFile));
        ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
        const std::size_t n = c.lat.size();
        EXPECT_EQ(back.elements.at("Placemark"), static_cast<int>(n) + 1);
        EXPECT_EQ(back.elements.at("LineString"), 1);
        const std::vector<QString>& names = back.texts.at("name");
        ASSERT_EQ(names.size(), n + 4); // document, two folders, n empty placemarks, the route
        EXPECT_EQ(names.front(), c.name);
        EXPECT_EQ(names.back(), c.name);
        // One coordinates element per point, then the line string's, all "lon,lat,0".
        const std::vector<QString>& coordinates = back.texts.at("coordinates");
        ASSERT_EQ(coordinates.size(), n + 1);
        const QStringList line = coordinates.back().trimmed().split(' ');
        ASSERT_EQ(static_cast<std::size_t>(line.size()), n);
        for (std::size_t i = 0; i < n; ++i) {
            for (const QString& triple : {coordinates[i], line[static_cast<qsizetype>(i)]}) {
                const QStringList parts = triple.split(',');
                ASSERT_EQ(parts.size(), 3);
                expectCoordinate(parts[0].toDouble(), c.lon[i]);
                expectCoordinate(parts[1].toDouble(), c.lat[i]);
                EXPECT_EQ(parts[2], "0");
            }
        }
    }
}

TEST(GpxXmlTest, ASavedRouteImportsAsItsPointsTwice) {
    const std::vector<Single> lat{51.5f, 51.51f, -33.86882f};
    const std::vector<Single> lon{-0.1f, -0.1f, 151.2093f};
    const GpxPoints read = readGpx(gpxText(lat, lon, "/home/mapper/osm/Tom & Jerry.osm"));
    ASSERT_EQ(read.points.size(), 6u);
    EXPECT_EQ(read.namedCount, 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(read.points[i].name, "wp0" + std::to_string(i % 3 + 1));
        EXPECT_EQ(read.points[i].lat, lat[i % 3]);
        EXPECT_EQ(read.points[i].lon, lon[i % 3]);
    }
}

} // namespace
} // namespace routes
