// Authors and dates of the ways: the author list List1, the labels of flooded areas and of the
// ways' middle segments, and the date filter.

#include "drawing_fixture.h"

namespace render::testing {
namespace {

using basic::qbColor;
using basic::rgb;

const double kFill = rgb(200, 230, 200);

class WayAuthorTest : public DrawingTest {
protected:
    // A closed square of side 600 with its top-left corner at (x, y), flooded from its centre.
    Long area(double x, double y, std::string user, std::string date = "01/01/2010") {
        const Long a = node(x, y), b = node(x + 600, y), c = node(x + 600, y + 600), d = node(x, y + 600);
        WayRecord w;
        w.nodes = {a, b, c, d, a};
        w.drawColour = rgb(10, 20, 30);
        w.labelX = static_cast<float>(x + 300);
        w.labelY = static_cast<float>(y + 300);
        w.fill = kFill;
        w.user = std::move(user);
        w.date = std::move(date);
        const Long i = way(w);
        data.areaList += std::to_string(i) + "#";
        return i;
    }

    std::vector<std::string> authors() {
        std::vector<std::string> names;
        const platform::ListBox& list = map().legendPanel.List1;
        for (int k = 0; k < list.listCount(); ++k)
            names.push_back(list.list(k));
        return names;
    }

    // Pixels of the colour in the device box [x0, x0 + w) x [y0, y0 + h).
    int inBox(int x0, int y0, int w, int h, Long colour) {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                n += pixel(x, y) == colour;
        return n;
    }
};

TEST_F(WayAuthorTest, EachAuthorIsListedOnceByExactName) {
    map().global.authorOverlay = -1;
    area(2400, 2400, "Tommy");
    area(3300, 2400, "ann");
    area(4200, 2400, "Tom");
    area(2400, 3300, "ann");
    area(3300, 3300, "");
    draw();
    EXPECT_EQ(authors(), (std::vector<std::string>{"Tommy", "ann", "Tom"}));
    draw();
    EXPECT_EQ(authors(), (std::vector<std::string>{"Tommy", "ann", "Tom"})) << "a second drawing adds nobody";

    // While an author is chosen the list stays as it is; after a new file it fills again.
    map().legendPanel.List1.clear();
    map().data.authorSelected = true;
    draw();
    EXPECT_TRUE(authors().empty());
    map().data.authorSelected = false;
    draw();
    EXPECT_EQ(authors().size(), 3u);
}

TEST_F(WayAuthorTest, ALeakedOrUnfloodedAreaGetsNoAuthor) {
    map().global.authorOverlay = -1;
    area(2400, 2400, "leaky");
    area(3300, 2400, "kept");
    map().data.leakedAreas = "#1#";
    draw();
    EXPECT_EQ(authors(), (std::vector<std::string>{"kept"}));
}

TEST_F(WayAuthorTest, TheDateOfAnAreaGoesAtItsSeedsHeight) {
    map().global.authorOverlay = -2;
    map().legendPanel.Check5.setValue(1);
    area(3000, 3000, "ann", "07/03/2011");
    draw();
    // The print position is the outline's end, (3000, 3000); the date drops to the seed's
    // height, 3300: device row 1100.
    const Long ink = qbColor(1);
    EXPECT_GT(inBox(1000, 1100, 60, 14, ink), 0);
    EXPECT_EQ(inBox(990, 0, 80, 1100, ink), 0);
    EXPECT_EQ(at(3300, 3400), basic::clng(kFill));
}

TEST_F(WayAuthorTest, ADateFilterLabelsOnlyTheWaysOfThatDate) {
    map().global.authorOverlay = -1;
    map().legendPanel.Text6.setText("2009");
    area(3000, 3000, "ann", "01/02/2009");
    area(4500, 3000, "bob", "01/02/2010");
    draw();
    // Each author prints at its outline's end, the square's top-left corner.
    const Long ink = qbColor(1);
    EXPECT_GT(inBox(1000, 1000, 60, 14, ink), 0);
    EXPECT_EQ(inBox(1500, 1000, 60, 14, ink), 0);
    EXPECT_EQ(authors(), (std::vector<std::string>{"ann", "bob"})) << "both are listed all the same";
}

TEST_F(WayAuthorTest, AWaysLabelSitsAtTheEndOfItsMiddleSegment) {
    // Two nodes: the only segment is the middle one.
    WayRecord road;
    road.nodes = {node(2400, 3000), node(3600, 3000)};
    road.colour = rgb(120, 120, 220);
    road.user = "carol";
    way(road);
    map().global.authorOverlay = 0;
    draw();
    EXPECT_EQ(authors(), (std::vector<std::string>{"carol"})) << "listed without the overlay too";
    EXPECT_EQ(inBox(1200, 1000, 60, 14, qbColor(9)), 0);

    map().global.authorOverlay = -1;
    draw();
    EXPECT_GT(inBox(1200, 1000, 60, 14, qbColor(9)), 0);
    EXPECT_EQ(authors().size(), 1u);
}

} // namespace
} // namespace render::testing
