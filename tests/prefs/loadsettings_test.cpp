// The main window's side of the settings file: what loadSettingsIntoWindow gives the controls and what
// saveSettingsFromWindow takes from them.

#include "basic/colour.h"
#include "basic/text.h"
#include "basic/wholefile.h"
#include "core/window_fixture.h"
#include "prefs/settingsfile.h"
#include "support/hostilefiles.h"

#include <QDir>
#include <optional>

namespace prefs {
namespace {

using core::MapWindow;
using LoadSettingsTest = core::testing::WindowTest;

constexpr int kRecent = 15;

void setRecentCaptions(MapWindow& map, const std::array<std::string, 4>& captions) {
    for (int i = 0; i < 4; ++i)
        map.menus.mf[kRecent + i].setCaption(captions[static_cast<std::size_t>(i)]);
}

std::array<std::string, 4> recentCaptions(const MapWindow& map) {
    std::array<std::string, 4> captions;
    for (int i = 0; i < 4; ++i)
        captions[static_cast<std::size_t>(i)] = map.menus.mf[kRecent + i].caption();
    return captions;
}

core::Global fileValues() {
    core::Global g;
    g.progVersion = core::kProgVersion;
    g.recentFiles = {"/maps/Paris, France.osm", "/maps/b.vnk", "/maps/c.osm", ""};
    g.settings.fontNames = {"DejaVu Sans", "Arial", "Arial"};
    g.settings.backColour = basic::rgb(1, 2, 3);
    g.settings.streetNames = 1;
    g.settings.maxGreenNodes = 300;
    return g;
}

// The file's values reach the controls; a recent file's line missing keeps its menu caption; with
// no file at all everything stays. Street names are cleared in any case, and nothing is said.
TEST_F(LoadSettingsTest, ValuesReachTheControlsAndStreetNamesAreClearedSilently) {
    using Captions = std::array<std::string, 4>;
    const std::string bytes = settingsBytes(fileValues());
    std::size_t cut = 0; // just after line 15, the second recent file
    for (int line = 0; line < 15; ++line)
        cut = bytes.find("\r\n", cut) + 2;
    const Captions old{"old 1", "old 2", "old 3", "old 4"};
    const core::Settings unread; // what a value the file does not give stays
    const struct {
        const char* name;
        std::optional<std::string> bytes;
        Captions before, after;
        basic::Long backColour;
        int maxGreenNodes;
        std::string firstFont;
    } cases[] = {
        {"whole", bytes, old, fileValues().recentFiles, basic::rgb(1, 2, 3), 300, "DejaVu Sans"},
        {"cut", bytes.substr(0, cut), old, {"/maps/Paris, France.osm", "/maps/b.vnk", "old 3", "old 4"},
         basic::rgb(241, 238, 232), unread.maxGreenNodes, unread.fontNames[0]},
        {"missing", std::nullopt, {"a", "b", "c", "d"}, {"a", "b", "c", "d"}, basic::rgb(241, 238, 232),
         unread.maxGreenNodes, unread.fontNames[0]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MapWindow& map = make();
        const std::string path = appPath() + "/" + c.name + "/img.dat";
        if (c.bytes) {
            ASSERT_TRUE(QDir().mkpath(QString::fromStdString(appPath() + "/" + c.name)));
            basic::writeFileWhole(path, *c.bytes);
        }
        setRecentCaptions(map, c.before);
        map.legendPanel.Check1.setValue(1);
        map.global.settings.streetNames = 1;

        loadSettingsIntoWindow(map, path);

        EXPECT_EQ(recentCaptions(map), c.after);
        EXPECT_EQ(map.legendPanel.Check1.value(), 0);
        EXPECT_EQ(map.global.settings.streetNames, 0);
        for (const platform::PictureBox* picture : {&map.view.p1, &map.view.p2, &map.view.Picture1})
            EXPECT_EQ(picture->backColor(), c.backColour) << picture->name();
        EXPECT_EQ(map.global.settings.maxGreenNodes, c.maxGreenNodes);
        EXPECT_EQ(map.global.settings.fontNames[0], c.firstFont);
        EXPECT_TRUE(dialogs().shown().empty());
    }
}

// A settings file far larger than memory is read only as far as its lines, and a label font size
// beyond what the Preferences window accepts is kept to it.
TEST_F(LoadSettingsTest, AHugeFileIsReadNoFurtherThanItsLines) {
    core::Global values = fileValues();
    values.settings.labelFontSize = 32767;
    MapWindow& map = make();
    testsupport::writeHugeFile(appPath() + "/img.dat", settingsBytes(values));
    loadSettingsIntoWindow(map, appPath() + "/img.dat");
    EXPECT_EQ(map.global.settings.maxGreenNodes, 300);
    EXPECT_EQ(map.global.settings.labelFontSize, 16);
}

TEST_F(LoadSettingsTest, SaveSettingsFromWindowWritesTheMenuCaptions) {
    MapWindow& map = make();
    map.global.progVersion = core::kProgVersion;
    map.global.recentFiles = {"stale", "stale", "stale", "stale"};
    setRecentCaptions(map, {"/maps/new.osm", "/maps/Paris, France.osm", "", "/maps/x.vnk"});
    const std::string path = appPath() + "/img.dat";

    saveSettingsFromWindow(map, path);

    const std::vector<std::string> lines = basic::split(basic::readFileBytes(path), "\r\n");
    ASSERT_EQ(lines.size(), 35u); // 34 lines and the empty rest after the last line end
    EXPECT_EQ(lines[0], " 1.971 ");
    EXPECT_EQ(lines[13], "/maps/new.osm");
    EXPECT_EQ(lines[14], "/maps/Paris, France.osm");
    EXPECT_EQ(lines[15], "");
    EXPECT_EQ(lines[16], "/maps/x.vnk");
    EXPECT_EQ(map.global.fileVersion, core::kProgVersion);
    EXPECT_TRUE(dialogs().shown().empty());
}

TEST_F(LoadSettingsTest, SaveSettingsFromWindowShowsWhyAWriteFailedAndKeepsTheOldFile) {
    MapWindow& map = make();
    const std::string path = appPath() + "/img.dat";
    basic::writeFileWhole(path, "old\r\n");
    dialogs().scriptMsgBox(platform::msgbox::Ok);
    dialogs().scriptMsgBox(platform::msgbox::Ok);

    {
        const testsupport::FullDisk full;
        saveSettingsFromWindow(map, path);
    }
    saveSettingsFromWindow(map, appPath() + "/missing/img.dat");

    ASSERT_EQ(dialogs().shown().size(), 2u);
    EXPECT_EQ(dialogs().shown()[0].text, "Path/File access error");
    EXPECT_EQ(dialogs().shown()[1].text, "Path not found");
    EXPECT_EQ(basic::readFileBytes(path), "old\r\n");
}

} // namespace
} // namespace prefs
