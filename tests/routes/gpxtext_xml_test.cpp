// The route's GPX and KML documents as an XML reader and our own GPX import take them: whole,
// well-formed, with the route's name, its points and their coordinates.

#include "routes/gpxtext.h"
#include "routes/gpxtext_read.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace routes {
namespace {

using basic::Single;

// Every start element's count, the texts of "name" and the numbers of lat, lon and
// "coordinates" in document order; fails the test unless the reader gets to the end unharmed.
struct ReadBack {
    std::map<QString, int> elements;
    std::vector<QString> names;
    std::vector<double> numbers;
};

ReadBack readXml(const std::string& document) {
    ReadBack back;
    QXmlStreamReader xml(QByteArray::fromStdString(document));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        ++back.elements[xml.name().toString()];
        for (const char* attribute : {"lat", "lon"})
            if (xml.attributes().hasAttribute(attribute))
                back.numbers.push_back(xml.attributes().value(attribute).toDouble());
        if (xml.name() == QString("name")) back.names.push_back(xml.readElementText());
        if (xml.name() == QString("coordinates"))
            for (const QString& n : xml.readElementText().split(QRegularExpression("[, \r\n]+"),
                                                                Qt::SkipEmptyParts))
                back.numbers.push_back(n.toDouble());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return back;
}

// Each number within one unit of the seventh significant digit of the one written.
void expectNumbers(const std::vector<double>& read, const std::vector<Single>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const double magnitude = written[i] == 0 ? -1 : std::floor(std::log10(std::fabs(written[i])));
        const double unit = std::pow(10.0, magnitude - 6);
        EXPECT_LE(std::fabs(read[i] - written[i]), unit) << i;
    }
}

TEST(GpxXmlTest, BothDocumentsReadBackWhole) {
    const std::vector<Single> lat{51.50735f, -33.86882f, 1.234568e-5f, -89.99999f};
    const std::vector<Single> lon{-0.1277583f, 151.2093f, -5e-5f, 179.99999f};
    const std::string curFile = "/osm/Tom & Jerry <1> \"Z\xFCrich\"\x01.osm";
    const QString name = QString::fromUtf8("/osm/Tom & Jerry <1> \"Z\xC3\xBCrich\".osm");

    const ReadBack gpx = readXml(gpxText(lat, lon, curFile));
    EXPECT_EQ(gpx.elements.at("wpt"), 4);
    EXPECT_EQ(gpx.elements.at("rtept"), 4);
    ASSERT_EQ(gpx.names.size(), 9u); // the waypoints', the route's, the route points'
    EXPECT_EQ(gpx.names[4], name);
    std::vector<Single> latLon;
    for (int twice = 0; twice < 2; ++twice)
        for (std::size_t i = 0; i < lat.size(); ++i)
            latLon.insert(latLon.end(), {lat[i], lon[i]});
    expectNumbers(gpx.numbers, latLon);

    const ReadBack kml = readXml(kmlText(lat, lon, curFile));
    EXPECT_EQ(kml.elements.at("Placemark"), 5);
    EXPECT_EQ(kml.elements.at("LineString"), 1);
    ASSERT_EQ(kml.names.size(), 8u); // document, two folders, four empty placemarks, the route
    EXPECT_EQ(kml.names.front(), name);
    EXPECT_EQ(kml.names.back(), name);
    std::vector<Single> lonLat0;
    for (int twice = 0; twice < 2; ++twice)
        for (std::size_t i = 0; i < lat.size(); ++i)
            lonLat0.insert(lonLat0.end(), {lon[i], lat[i], 0});
    expectNumbers(kml.numbers, lonLat0);
}

TEST(GpxXmlTest, TheRouteNameReadsBackAsTheFileNameItIs) {
    const std::pair<std::string, QString> cases[] = {
        {"/osm/lit&amp;amp&#65;&#x42;&lt;.osm", "/osm/lit&amp;amp&#65;&#x42;&lt;.osm"},
        {"/osm/caf\xE9 &amp;.osm", QString::fromUtf8("/osm/caf\xC3\xA9 &amp;.osm")},
        {"/osm/\xEF\xBF\xBE-\xEF\xBF\xBF-\x02\x0B\x1F-\xC3\xA9.osm",
         QString::fromUtf8("/osm/---\xC3\xA9.osm")},
    };
    for (const auto& [curFile, name] : cases) {
        SCOPED_TRACE(curFile);
        EXPECT_EQ(readXml(gpxText({}, {}, curFile)).names, std::vector<QString>{name});
        EXPECT_EQ(readXml(kmlText({}, {}, curFile)).names,
                  (std::vector<QString>{name, "Waypoints", "Routes", name}));
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
        EXPECT_EQ(std::pair(read.points[i].lat, read.points[i].lon), std::pair(lat[i % 3], lon[i % 3]));
    }
}

} // namespace
} // namespace routes
