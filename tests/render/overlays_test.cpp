// Area-tag labels and place labels printed over the map.

#include "basic/colour.h"
#include "overlays_fixture.h"
#include "render/overlays.h"

namespace core::testing {
namespace {

const basic::Long kTagColour = basic::rgb(120, 0, 90);
const basic::Long kPlaceGrey = basic::rgb(80, 80, 80);
const basic::Long kNamedPlaceBlue = basic::rgb(0, 114, 188);

class AreaTagTest : public LabelPassTest {
protected:
    // Zoom 4 with offsets 1000: the map point (500, 500) is the screen point (3000, 3000).
    MapWindow& withLabels(int option) {
        MapWindow& map = window(4, 1000, 1000);
        map.legendPanel.Check4.setValue(option);
        map.markers.lab2[0].setForeColor(kTagColour);
        return map;
    }

    static void addLabel(MapWindow& map, int k, const char* caption) {
        map.markers.lab2.load(k).setCaption(caption);
        map.data.lab2Count = k;
    }
};

TEST_F(AreaTagTest, CaptionsAtTheirPointsInTheTemplateColourWhileTheOptionIsOn) {
    for (int option : {1, 0}) {
        MapWindow& map = withLabels(option);
        addLabel(map, 1, "Allotments");
        map.markers.List2[0].addItem("500");
        map.markers.List2[1].addItem("500");
        EXPECT_EQ(run(map, render::areaTagLabels), 0u);
        EXPECT_EQ(inkNear(map, 3000, 3000, kTagColour) > 0, option == 1) << option;
        if (option == 1) {
            EXPECT_EQ(map.view.p1.fontSize(), 9);
        }
    }
}

TEST_F(AreaTagTest, AMissingPointReadsAsZeroAndAMissingLabelIsPassedOver) {
    MapWindow& map = withLabels(1);
    addLabel(map, 1, "Car Park");
    addLabel(map, 3, "Cemetery");
    map.markers.List2[0].addItem("500");
    map.markers.List2[1].addItem("500");
    // Label 3 has no point items: it goes to the view offset. Label 2 was never loaded.
    EXPECT_EQ(run(map, render::areaTagLabels), 0u);
    EXPECT_GT(inkNear(map, 3000, 3000, kTagColour), 0);
    EXPECT_GT(inkNear(map, 1000, 1000, kTagColour), 0);
}

class PlaceLabelTest : public LabelPassTest {
protected:
    // Node 1 at the screen point (3000, 3000), node 2 at (5000, 5000), at this zoom.
    MapWindow& withPlaces(basic::Single zoom, std::string placeList) {
        MapWindow& map = window(zoom);
        map.global.settings.fontNames[kPlaceFont] = "Arial";
        placeNodes(map, {{3000 / zoom, 3000 / zoom}, {5000 / zoom, 5000 / zoom}});
        map.data.placeList = std::move(placeList);
        return map;
    }
};

TEST_F(PlaceLabelTest, NamedPlacesAreBlueAtSize8OthersGrowAboveZoom2UpTo10) {
    struct Row {
        basic::Single zoom;
        const char* line;
        double size;
        basic::Long colour;
    };
    const Row rows[] = {
        {1, "1#Leeds\r\n", 8, kPlaceGrey},          {2, "1#Leeds\r\n", 8, kPlaceGrey},
        {2.25f, "1#Leeds\r\n", 9, kPlaceGrey},      {2.5f, "1#Leeds\r\n", 10, kPlaceGrey},
        {3, "1#Leeds\r\n", 10, kPlaceGrey},         {1, "1#\x1FLeeds\r\n", 8, kNamedPlaceBlue},
        {3, "1#\x1FLeeds\r\n", 8, kNamedPlaceBlue},
    };
    for (const Row& row : rows) {
        MapWindow& map = withPlaces(row.zoom, row.line);
        EXPECT_EQ(run(map, render::placeLabels), 0u);
        EXPECT_EQ(map.view.p1.fontSize(), row.size) << row.zoom << " " << row.line;
        EXPECT_EQ(map.view.p1.fontName(), "Arial");
        EXPECT_GT(inkNear(map, 3000, 3000, row.colour), 0) << row.zoom << " " << row.line;
    }
}

TEST_F(PlaceLabelTest, BadLinesArePassedOverAndTheLastPieceIsNoLine) {
    MapWindow& map = withPlaces(1, "Nowhere\r\n99#Far\r\n-1#Before\r\n#Blank\r\n1#Good#Extra\r\n2#Trailing");
    EXPECT_EQ(run(map, render::placeLabels), 0u);
    const int good = inkNear(map, 3000, 3000, kPlaceGrey);
    EXPECT_GT(good, 0);
    EXPECT_EQ(inkNear(map, 5000, 5000, kPlaceGrey), 0);
    EXPECT_EQ(inkAnywhere(map), good);

    // Only the text up to the next "#" is printed.
    MapWindow& plain = withPlaces(1, "1#Good\r\n");
    run(plain, render::placeLabels);
    EXPECT_EQ(inkAnywhere(plain), good);
}

TEST_F(PlaceLabelTest, AnEmptyListLeavesThePictureAndItsFont) {
    MapWindow& map = withPlaces(1, "");
    const std::string font = map.view.p1.fontName();
    run(map, render::placeLabels);
    EXPECT_EQ(map.view.p1.fontName(), font);
    EXPECT_EQ(inkAnywhere(map), 0);
}

} // namespace
} // namespace core::testing
