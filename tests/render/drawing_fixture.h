#pragma once
// A main window with a map made in the test: nodes and ways are given at zoom 1 with no offset,
// so map units are p1 units (3 to a pixel); draw() writes them as the project file and redraws.
// The viewport is the designed one, so the drawing windows are the designed ones.

#include "basic/colour.h"
#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "import/projectwriter.h"
#include "platform/canvascolour.h"
#include "window/redrawrequest.h"
#include "window/viewwindow.h"

#include <optional>
#include <string>
#include <vector>

namespace render::testing {

using basic::Long;

// One way record; the defaults are a plain line that no pass draws.
struct WayRecord {
    std::vector<Long> nodes;
    basic::Integer width = 1;
    basic::Integer style = 0;
    double colour = 0;
    std::optional<double> extraColour;
    basic::Integer layer = 0;
    double drawColour = 0;
    float labelX = 0;
    float labelY = 0;
    double fill = 0;
    basic::Integer fillArg = 0;
    std::string user;
    std::string date;
    std::string name;
    Long nameNode = 0;
    std::optional<std::string> rawNodes; // W1 as written, instead of `nodes`
};

// What a node record carries beside its position.
struct NodeText {
    std::string info;
    std::string name;
};

class DrawingTest : public core::testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        start(load());
        showDesignedView(*map_);
        data.fileSizeMB = 1;
    }

    // A new window laid out on a screen of this size (twips), its viewport as a newly opened
    // file leaves it.
    void onScreen(platform::ScreenSize screen) { start(loadOnScreen(screen)); }

    core::MapWindow& map() { return *map_; }
    platform::PictureBox& p1() { return map_->view.p1; }

    Long node(double x, double y, NodeText text = {}) {
        nodes_.push_back({x, y});
        nodeTexts_.push_back(std::move(text));
        return static_cast<Long>(nodes_.size());
    }

    // Starts a new map: no nodes, no ways, `data` fresh.
    void clearMap() {
        nodes_.clear();
        nodeTexts_.clear();
        ways_.clear();
        data = {};
        data.fileSizeMB = 1;
    }

    Long way(WayRecord record) {
        ways_.push_back(std::move(record));
        return static_cast<Long>(ways_.size());
    }

    // Writes the project file of the nodes, ways and `data`'s other items, and redraws.
    void draw() {
        writeProject();
        core::redrawMap(*map_);
    }

    void writeProject() {
        osmimport::ProjectData d = data;
        d.sizeNodes(static_cast<Long>(nodes_.size()));
        d.sizeWays(static_cast<Long>(ways_.size()));
        for (std::size_t n = 0; n < nodes_.size(); ++n) {
            d.nodeX[n + 1] = nodes_[n].first;
            d.nodeY[n + 1] = nodes_[n].second;
            d.nodeInfo[n + 1] = nodeTexts_[n].info;
            d.nodeName[n + 1] = nodeTexts_[n].name;
        }
        for (std::size_t i = 0; i < ways_.size(); ++i) {
            const WayRecord& w = ways_[i];
            const std::size_t k = i + 1;
            std::string list;
            for (Long n : w.nodes)
                list += std::to_string(n) + "#";
            d.wayNodes[k] = w.rawNodes.value_or(list);
            d.wayWidth[k] = w.width;
            d.wayLineStyle[k] = w.style;
            d.wayColour[k] = w.colour;
            d.wayExtraColour[k] = w.extraColour;
            d.wayLayer[k] = w.layer;
            d.wayLineStyleColour[k] = w.drawColour;
            d.wayLabelX[k] = w.labelX;
            d.wayLabelY[k] = w.labelY;
            d.wayFill[k] = w.fill;
            d.wayFillArg[k] = w.fillArg;
            d.wayUser[k] = w.user;
            d.wayDate[k] = w.date;
            d.wayName[k] = w.name;
            d.wayNameNode[k] = w.nameNode;
        }
        basic::writeFileWhole(map_->global.parsedPath, osmimport::projectFileBytes(d, '"'));
    }

    // The colour at a point of p1's units.
    Long at(double x, double y) { return p1().point(x, y); }
    // The colour of a device pixel.
    Long pixel(int x, int y) { return platform::fromQRgb(p1().image().pixel(x, y)); }
    Long background() const { return basic::clng(map_->global.settings.backColour); }

    osmimport::ProjectData data;

private:
    void start(core::MapWindow& map) {
        map_ = &map;
        core::init(map);
        map.global.curFile = appPath() + "/test.osm";
        map.global.parsedPath = appPath() + "/test.vnk";
        map.global.viewZoom = 1;
        map.global.viewOffX = 0;
        map.global.viewOffY = 0;
    }

    core::MapWindow* map_ = nullptr;
    std::vector<std::pair<double, double>> nodes_;
    std::vector<NodeText> nodeTexts_;
    std::vector<WayRecord> ways_;
};

} // namespace render::testing
