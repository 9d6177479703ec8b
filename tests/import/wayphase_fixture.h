#pragma once
// Small OSM texts read through the node phase and the way phase, with the window's side
// recorded: the count captions the way phase sets, and label widths of 10 per character.

#include "import/importrun.h"
#include "import/wayphase.h"
#include "recordingclient.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace osmimport::testing {

class RecordingWaySink : public WayPhaseSink {
public:
    std::map<int, Long> captions; // the last caption of each count label

    void caption(int label, Long value) override { captions[label] = value; }
    Single textWidth(std::string_view text) override { return static_cast<Single>(text.size() * 10); }
};

struct OsmNode {
    const char* id;
    const char* lon;
    const char* lat;
};

// A file with bounds from -1.6 to -1.5 (mapScale 20025) and 51.4 to 51.5 (latStretch 1.515),
// the nodes, then the rest (ways and relations), all in double quotes.
inline std::string osmText(const std::vector<OsmNode>& nodes, const std::string& rest) {
    std::string text = "<osm version=\"0.6\">\n <bounds minlat=\"51.4\" minlon=\"-1.6\" maxlat=\"51.5\" "
                       "maxlon=\"-1.5\"/>\n";
    for (const OsmNode& n : nodes)
        text += " <node id=\"" + std::string(n.id) + "\" lat=\"" + n.lat + "\" lon=\"" + n.lon + "\"/>\n";
    return text + rest + "</osm>\n";
}

// The corners of a square about 200 map units wide (0.01 degrees) and its middle points:
// 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left, 5 top-middle, 6 right of 2 on its row.
inline const std::vector<OsmNode> kSquare = {
    {"1", "-1.59", "51.49"}, {"2", "-1.58", "51.49"},  {"3", "-1.58", "51.48"},
    {"4", "-1.59", "51.48"}, {"5", "-1.585", "51.49"}, {"6", "-1.57", "51.49"},
};

// A way element: id, the node references, then the tags as k=v pairs.
inline std::string way(const std::string& id, const std::vector<std::string>& refs,
                       const std::vector<std::pair<std::string, std::string>>& tags) {
    std::string text = " <way id=\"" + id + "\">\n";
    for (const std::string& ref : refs)
        text += "  <nd ref=\"" + ref + "\"/>\n";
    for (const auto& [k, v] : tags)
        text += "  <tag k=\"" + k + "\" v=\"" + v + "\"/>\n";
    return text + " </way>\n";
}

class WayPhaseTest : public ::testing::Test {
protected:
    ProjectData data;
    RecordingClient client;
    RecordingWaySink sink;
    WayPhaseSettings settings;
    std::unique_ptr<OsmImport> import;
    std::unique_ptr<WayPhase> phase;

    WayPhaseTest() {
        settings.scaleWidth = 8010;
        settings.scaleHeight = 8010;
        settings.backColour = 15265521; // RGB(241, 238, 232)
    }

    // Reads the nodes of text and then its ways.
    WayPhaseEnd read(std::string text) {
        import = std::make_unique<OsmImport>(std::move(text), ImportSettings{1.971f, 0, 8010}, client);
        EXPECT_EQ(import->run(data), ImportEnd::NodesRead);
        settings.quote = import->quoteChar();
        settings.hasAuthorship = import->hasAuthorship();
        phase = std::make_unique<WayPhase>(import->text(), settings, import->nodeIds(), client, sink);
        return phase->run(data);
    }

    WayPhaseEnd readWays(const std::string& ways, const std::vector<OsmNode>& nodes = kSquare) {
        return read(osmText(nodes, ways));
    }

    Double x(Long node) const { return data.nodeX[static_cast<std::size_t>(node)]; }
    Double y(Long node) const { return data.nodeY[static_cast<std::size_t>(node)]; }
};

} // namespace osmimport::testing
