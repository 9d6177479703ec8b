// The author list across the redraws the display options start, on a real extract.

#include "core/importdriver_fixture.h"
#include "render/displayoptions.h"

#include <algorithm>
#include <set>

namespace core::testing {
namespace {

class AuthorOptionsTest : public ImportDriverTest {
protected:
    std::vector<std::string> listed() {
        std::vector<std::string> names;
        for (int i = 0; i < map().legendPanel.List1.listCount(); ++i)
            names.push_back(map().legendPanel.List1.list(i));
        return names;
    }
};

TEST_F(AuthorOptionsTest, EveryRedrawKeepsEachAuthorOnce) {
    importAs("west-oakland", basic::readFileBytes(std::string(VK_TEST_DATA) + "/west-oakland.osm"), 50);
    const std::vector<std::string> first = listed();
    ASSERT_GT(first.size(), 3u);
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), first.size());

    // A plain redraw lists nobody again; "Show Dates", the date filter and an author choice
    // leave the list as the user sees it.
    MapWindow& m = map();
    render::Check3_MouseUp(m);
    EXPECT_EQ(listed(), first);
    m.legendPanel.Check5.setValue(1);
    render::Check5_MouseUp(m);
    m.legendPanel.Text6.setText("20");
    int enter = 13;
    render::Text6_KeyPress(m, enter);
    m.legendPanel.List1.setListIndex(1);
    render::List1_DblClick(m);
    EXPECT_EQ(m.data.authorFilter, first[1]);
    EXPECT_EQ(listed(), first);

    // Dropping the choice draws the area annotations with dates on: their authors join the
    // list after the others, still once each.
    render::List1_DblClick(m);
    EXPECT_EQ(m.global.authorOverlay, -2);
    const std::vector<std::string> last = listed();
    ASSERT_GE(last.size(), first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), last.begin()));
    EXPECT_EQ(std::set<std::string>(last.begin(), last.end()).size(), last.size());
    EXPECT_TRUE(messages().empty());
}

} // namespace
} // namespace core::testing
