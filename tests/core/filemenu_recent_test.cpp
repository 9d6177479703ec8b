// The four recent files of the File menu, most recent first.

#include "core/recentfiles.h"
#include "core/window_fixture.h"

namespace core::testing {
namespace {

TEST(RecentFilesTest, MoveRecentFileToTopMovesTheNameToTheTop) {
    const struct {
        const char* what;
        RecentFiles before;
        const char* name;
        RecentFiles after;
    } cases[] = {
        {"the same file again", {"a", "b", "c", "d"}, "a", {"a", "b", "c", "d"}},
        {"a fifth file drops the oldest", {"a", "b", "c", "d"}, "e", {"e", "a", "b", "c"}},
        {"entry 16", {"a", "b", "c", "d"}, "b", {"b", "a", "c", "d"}},
        {"entry 17: 15 and 16 move down, 18 stays", {"a", "b", "c", "d"}, "c", {"c", "a", "b", "d"}},
        {"entry 18: nothing dropped", {"a", "b", "c", "d"}, "d", {"d", "a", "b", "c"}},
        {"an empty entry moves its empty caption up", {"a", "", "", ""}, "", {"", "a", "", ""}},
        {"a first file", {"", "", "", ""}, "a", {"a", "", "", ""}},
        {"the first copy counts", {"a", "b", "b", "c"}, "b", {"b", "a", "b", "c"}},
    };
    for (const auto& c : cases) {
        RecentFiles entries = c.before;
        moveRecentFileToTop(entries, c.name);
        EXPECT_EQ(entries, c.after) << c.what;
    }
}

TEST(RecentFilesTest, NameMayBeOneOfTheEntries) {
    RecentFiles entries = {"a", "b", "c", "d"};
    moveRecentFileToTop(entries, entries[2]);
    EXPECT_EQ(entries, (RecentFiles{"c", "a", "b", "d"}));
}

using RecentFilesWindowTest = WindowTest;

TEST_F(RecentFilesWindowTest, MoveRecentFileToTopWorksOnTheMenuCaptions) {
    MapWindow& map = load();
    for (const char* name : {"/maps/a.osm", "/maps/b.vnk", "/maps/c.osm", "/maps/d.osm", "/maps/b.vnk"})
        moveRecentFileToTop(map, name);
    const char* expected[] = {"/maps/b.vnk", "/maps/d.osm", "/maps/c.osm", "/maps/a.osm"};
    for (int i = 0; i < kRecentFileCount; ++i)
        EXPECT_EQ(map.menus.mf[kFirstRecentFile + i].caption(), expected[i]);
}

} // namespace
} // namespace core::testing
