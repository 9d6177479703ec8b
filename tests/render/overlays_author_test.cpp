// Which part of a way's author label is printed: the author filter, the date filter, the author
// overlay and "Show Dates" together.

#include "overlays_fixture.h"
#include "render/authorlabels.h"

namespace core::testing {
namespace {

class AuthorLabelTest : public LabelPassTest {};

TEST_F(AuthorLabelTest, TheFiltersDecideWhatIsPrinted) {
    struct Row {
        const char* dateFilter;
        const char* authorFilter;
        basic::Integer overlay;
        int showDates;
        const char* printed;
    };
    // Way 1 is alice's, edited on 12/05/2009.
    const Row rows[] = {
        // No filter: the author with authors on, the date with "Show Dates".
        {"", "", -1, 0, "alic "},
        {"", "", -1, 1, "alic 12/05/2009"},
        {"", "", -2, 1, "12/05/2009"},
        {"", "", -2, 0, ""},
        // A chosen author: only that author's ways, and only with authors on.
        {"", "alice", -1, 1, "alic 12/05/2009"},
        {"", "alic", -1, 1, ""},
        {"", "bob", -1, 1, ""},
        {"", "alice", -2, 1, ""},
        // A date filter: only ways whose date holds it, case-sensitively.
        {"2009", "", -1, 0, "alic "},
        {"2009", "", -2, 1, "12/05/2009"},
        {"2010", "", -1, 1, ""},
        {"05/20", "", -1, 1, "alic 12/05/2009"},
        // Both: that author's ways of those dates, the author always printed.
        {"2009", "alice", -1, 0, "alic "},
        {"2009", "alice", -2, 1, "alic 12/05/2009"},
        {"2009", "bob", -1, 1, ""},
        {"2010", "alice", -1, 1, ""},
    };
    for (const Row& row : rows) {
        MapWindow& map = window(1);
        nameWays(map, {"Mill Lane"}, {1});
        map.data.wayUser[1] = "alice";
        map.data.wayDate[1] = "12/05/2009";
        map.legendPanel.Text6.setText(row.dateFilter);
        map.data.authorFilter = row.authorFilter;
        map.global.authorOverlay = row.overlay;
        map.legendPanel.Check5.setValue(row.showDates);
        platform::PictureBox& p1 = map.view.p1;
        p1.setCurrentX(1000);
        p1.setCurrentY(1000);
        EXPECT_EQ(run(map, [](render::DrawContext& c) { render::printAuthorLabel(c, 1, std::nullopt); }), 0u);
        // What was printed moved the print position on by its width, on the same line.
        EXPECT_DOUBLE_EQ(p1.currentX() - 1000, p1.textWidth(row.printed))
            << "'" << row.dateFilter << "' '" << row.authorFilter << "' " << row.overlay << " "
            << row.showDates;
        EXPECT_DOUBLE_EQ(p1.currentY(), 1000);
    }
}

TEST_F(AuthorLabelTest, AShortNameIsPrintedWholeWithItsBlank) {
    MapWindow& map = window(1);
    nameWays(map, {"Mill Lane"}, {1});
    map.data.wayUser[1] = "Al";
    map.global.authorOverlay = -1;
    platform::PictureBox& p1 = map.view.p1;
    p1.setCurrentX(1000);
    run(map, [](render::DrawContext& c) { render::printAuthorLabel(c, 1, std::nullopt); });
    EXPECT_DOUBLE_EQ(p1.currentX() - 1000, p1.textWidth("Al "));
}

} // namespace
} // namespace core::testing
