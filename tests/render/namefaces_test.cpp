// The faces names are drawn in: street names in the street font of the Preferences, place names
// in the places font, on the normal map and on the Planning Sheet.

#include "drawing_fixture.h"

#include <QImage>
#include <QRect>
#include <string>

namespace render::testing {
namespace {

// Two faces whose glyphs differ at a glance: a sans serif and a serif.
const std::string kSans = "DejaVu Sans";
const std::string kSerif = "Liberation Serif";

// In pixels: the street name stands above its node at (1000, 1000), the place name beside its
// node at (1000, 1300).
const QRect kStreetName(990, 970, 260, 40);
const QRect kPlaceName(990, 1290, 260, 40);

class NameFaceTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        map().global.viewZoom = 3; // names on both styles; map unit = pixel
        map().legendPanel.Check1.setValue(1);
        const Long street = node(1000, 1000);
        way({.nodes = {street, node(1200, 1000)}, .name = "Mill Lane", .nameNode = street});
        data.streetNameList = "1#";
        node(1000, 1300);
        data.placeList = "3#Riverton\r\n";
    }

    // The map picture drawn in map style `style` with these faces for street and place names.
    QImage drawnWith(int style, const std::string& streetFace, const std::string& placeFace) {
        map().data.mapMode = style;
        map().global.settings.fontNames[core::kStreetFont] = streetFace;
        map().global.settings.fontNames[core::kPlaceFont] = placeFace;
        draw();
        return p1().image().copy();
    }
};

// Changing one entry changes only the names drawn in it; the other kind keeps its face.
TEST_F(NameFaceTest, StreetNamesTakeTheStreetFontAndPlaceNamesThePlacesFont) {
    for (const int style : {0, 2}) {
        SCOPED_TRACE(style == 0 ? "normal map" : "Planning Sheet");
        const QImage sans = drawnWith(style, kSans, kSans);
        const QImage serifPlaces = drawnWith(style, kSans, kSerif);
        EXPECT_EQ(serifPlaces.copy(kStreetName), sans.copy(kStreetName));
        EXPECT_NE(serifPlaces.copy(kPlaceName), sans.copy(kPlaceName));
        const QImage serifStreets = drawnWith(style, kSerif, kSans);
        EXPECT_NE(serifStreets.copy(kStreetName), sans.copy(kStreetName));
        EXPECT_EQ(serifStreets.copy(kPlaceName), sans.copy(kPlaceName));
    }
}

} // namespace
} // namespace render::testing
