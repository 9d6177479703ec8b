#include "basic/colour.h"
#include "basic/fault.h"
#include "basic/text.h"
#include "basic/wholefile.h"
#include "prefs/settingsfile.h"
#include "support/hostilefiles.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace prefs {
namespace {

namespace fs = std::filesystem;

const std::string kGolden = std::string(VK_TEST_DATA) + "/prefs/defaults.img.dat";

// The values start-up leaves when there is no settings file.
core::Global startupDefaults() {
    core::Global g;
    g.progVersion = core::kProgVersion;
    g.settings.fontNames = {"Arial", "Arial", "Arial"};
    return g;
}

// A Global whose every stored value differs from the defaults.
core::Global unusualValues() {
    core::Global g = startupDefaults();
    core::Settings& s = g.settings;
    for (std::size_t i = 0; i < s.folderPaths.size(); ++i)
        s.folderPaths[i] = "/home/ann/maps " + std::to_string(i);
    s.folderPaths[5] = "/home/ann/Paris, France";
    s.folderPaths[4] = "  \"quoted\" gpx";
    g.recentFiles = {"/maps/Paris, France.osm", "/maps/S\xC3\xA3o Jo\xC3\xA3o.vnk", "", "/maps/leeds.osm"};
    s.fontNames = {"DejaVu Sans", "Liberation Serif", "Noto Sans, Bold"};
    s.legendTab = 3;
    s.maxGreenNodes = 500;
    s.poiMode = 0;
    s.zoomLeft = false;
    s.streetNames = 0;
    s.speedMph = 12.5f;
    s.backColour = basic::rgb(1, 2, 3);
    s.labelFontSize = 12;
    s.patternFill = 0;
    return g;
}

void expectSameSettings(const core::Global& a, const core::Global& b) {
    const core::Settings& x = a.settings;
    const core::Settings& y = b.settings;
    EXPECT_EQ(x.folderPaths, y.folderPaths);
    EXPECT_EQ(a.recentFiles, b.recentFiles);
    EXPECT_EQ(x.fontNames, y.fontNames);
    EXPECT_EQ(x.legendTab, y.legendTab);
    EXPECT_EQ(x.maxGreenNodes, y.maxGreenNodes);
    EXPECT_EQ(x.poiMode, y.poiMode);
    EXPECT_EQ(x.zoomLeft, y.zoomLeft);
    EXPECT_EQ(x.streetNames, y.streetNames);
    EXPECT_EQ(x.speedMph, y.speedMph);
    EXPECT_EQ(x.backColour, y.backColour);
    EXPECT_EQ(x.labelFontSize, y.labelFontSize);
    EXPECT_EQ(x.patternFill, y.patternFill);
}

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines = basic::split(bytes, "\r\n");
    lines.pop_back(); // after the last CR LF
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string bytes;
    for (const auto& l : lines)
        bytes += l + end;
    return bytes;
}

TEST(SettingsFileTest, DefaultsAreWrittenByteExact) {
    const std::string bytes = settingsBytes(startupDefaults());
    EXPECT_EQ(bytes, basic::readFileBytes(kGolden));
    EXPECT_EQ(linesOf(bytes).size(), 34u);
    EXPECT_EQ(basic::count(bytes, "\r\n"), 34);
    EXPECT_EQ(basic::count(bytes, "\n"), 34); // no bare line feed
}

TEST(SettingsFileTest, DefaultsReadBack) {
    core::Global g = unusualValues();
    readSettings(basic::readFileBytes(kGolden), g);
    core::Global expected = startupDefaults();
    expected.settings.streetNames = 0;
    expectSameSettings(g, expected);
    EXPECT_EQ(g.fileVersion, core::kProgVersion);
}

TEST(SettingsFileTest, EveryValueSurvivesTheRoundTrip) {
    const core::Global written = unusualValues();
    core::Global g;
    readSettings(settingsBytes(written), g);
    expectSameSettings(g, written);
}

TEST(SettingsFileTest, ZoomLeftIsWrittenInLine23AndTheSixReservedLines) {
    core::Global g = startupDefaults();
    g.settings.zoomLeft = false;
    std::vector<std::string> lines = linesOf(settingsBytes(g));
    for (std::size_t n : {23u, 29u, 30u, 31u, 32u, 33u, 34u})
        EXPECT_EQ(lines[n - 1], " 0 ") << n;
}

// Each row: the line replaced in the defaults file, and what the value then writes back as.
struct LineCase {
    std::size_t line;
    std::string stored;
    std::string writtenBack;
};

void expectLineCases(const std::vector<LineCase>& cases) {
    const std::vector<std::string> defaults = linesOf(basic::readFileBytes(kGolden));
    for (const auto& c : cases) {
        std::vector<std::string> lines = defaults;
        lines[c.line - 1] = c.stored;
        core::Global g = startupDefaults();
        readSettings(joinLines(lines), g);
        EXPECT_EQ(linesOf(settingsBytes(g))[c.line - 1], c.writtenBack)
            << "line " << c.line << " holding \"" << c.stored << "\"";
    }
}

TEST(SettingsFileTest, CorrectionsOnReading) {
    expectLineCases({
        {25, " .5 ", " 3.3 "},
        {25, " 1 ", " 1 "},
        {25, " 55.5 ", " 55.5 "},
        {26, " 0 ", " 15265521 "},
        {26, " 255 ", " 255 "},
        {27, " 3 ", " 6 "},
        {27, " 40 ", " 16 "},
        {27, " 32767 ", " 16 "}, // the sizes the Preferences window accepts
        {27, " 16 ", " 16 "},
        {27, " 6 ", " 6 "},
        {28, " 7 ", " 1 "},
        {28, "-1 ", " 1 "},
        {28, " 0 ", " 0 "},
        {21, " 0 ", " 1 "},
        {21, "-20 ", " 1 "},
        {21, " 2000 ", " 2000 "},
        {24, " 1 ", " 0 "}, // street names always start off
        {13, " 4 ", " 1 "},
        {13, "-1 ", " 1 "},
        {13, " 0 ", " 0 "},
        {13, " 3 ", " 3 "},
        {22, " 0 ", " 0 "},
        {23, " 0 ", " 0 "},
        {23, " 1 ", "-1 "},
        {1, " 1.5 ", " 1.971 "}, // read into fileVersion; the writer stamps its own version
    });
}

TEST(SettingsFileTest, ABadNumericLineKeepsItsValue) {
    expectLineCases({
        {21, "abc", " 50 "},
        {21, "", " 50 "},
        {21, "   ", " 50 "},
        {21, "12abc", " 50 "},
        {21, "1 2", " 50 "},
        {21, ".", " 50 "},
        {21, "1E", " 50 "},
        {21, " 99999 ", " 50 "}, // beyond a 16-bit whole number
        {21, " 7 ,x", " 7 "},    // the first value of the line counts
        {21, "\"8\"", " 8 "},    // quoted as the list input allows
        {21, " 2.5 ", " 2 "},    // whole numbers round halves to even
        {21, "1E2", " 100 "},
        {25, "1E999", " 3.3 "},
        {25, "1E39", " 3.3 "}, // beyond a Single
        {26, "-5", " 15265521 "},
        {26, "16777216", " 15265521 "},
        {26, "16777215", " 16777215 "},
        {23, "yes", "-1 "},
    });
}

TEST(SettingsFileTest, TextLinesAreReadWholeCommasAndAll) {
    core::Global written = startupDefaults();
    written.settings.folderPaths[5] = "C:/maps/Paris, France";
    written.recentFiles[0] = "/maps/Paris, France.osm";
    written.settings.legendTab = 2;
    written.settings.maxGreenNodes = 77;
    core::Global g;
    readSettings(settingsBytes(written), g);
    EXPECT_EQ(g.settings.folderPaths[5], "C:/maps/Paris, France");
    EXPECT_EQ(g.recentFiles[0], "/maps/Paris, France.osm");
    EXPECT_EQ(g.settings.legendTab, 2);
    EXPECT_EQ(g.settings.maxGreenNodes, 77);
}

TEST(SettingsFileTest, ATextWithALineBreakIsCutAndShiftsNothing) {
    core::Global written = startupDefaults();
    written.settings.folderPaths[0] = "/maps/one\nline two";
    written.recentFiles[1] = "/maps/a.osm\r\nb";
    written.settings.maxGreenNodes = 77;
    const std::string bytes = settingsBytes(written);
    EXPECT_EQ(linesOf(bytes).size(), 34u);
    core::Global g;
    readSettings(bytes, g);
    EXPECT_EQ(g.settings.folderPaths[0], "/maps/one");
    EXPECT_EQ(g.recentFiles[1], "/maps/a.osm");
    EXPECT_EQ(g.settings.maxGreenNodes, 77);
}

TEST(SettingsFileTest, ATruncatedFileKeepsTheRestAndStillCorrects) {
    std::vector<std::string> lines = linesOf(settingsBytes(unusualValues()));
    lines.resize(20);
    core::Global g = startupDefaults();
    g.settings.streetNames = 1;
    readSettings(joinLines(lines), g);

    core::Global expected = startupDefaults();
    const core::Global unusual = unusualValues();
    expected.settings.folderPaths = unusual.settings.folderPaths;
    expected.settings.legendTab = unusual.settings.legendTab;
    expected.recentFiles = unusual.recentFiles;
    expected.settings.fontNames = unusual.settings.fontNames;
    expected.settings.streetNames = 0;
    expectSameSettings(g, expected);
}

TEST(SettingsFileTest, AnEmptyFileKeepsEveryValue) {
    core::Global g = unusualValues();
    readSettings("", g);
    expectSameSettings(g, unusualValues());
}

TEST(SettingsFileTest, LineFeedsAloneReadLikeCrLf) {
    const core::Global written = unusualValues();
    std::string lfOnly = settingsBytes(written);
    lfOnly = basic::replace(lfOnly, "\r\n", "\n");
    core::Global g;
    readSettings(lfOnly, g);
    expectSameSettings(g, written);

    std::string noLastLineEnd = settingsBytes(written);
    noLastLineEnd.resize(noLastLineEnd.size() - 2);
    core::Global h;
    readSettings(noLastLineEnd, h);
    expectSameSettings(h, written);
}

TEST(SettingsFileTest, GarbageNeverLeavesAValueOutOfItsRange) {
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    const std::string alphabet = std::string("0123456789-+.E ,\"\r\n\n\n\n\0\xFF\xA3", 25);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(next() % 400, '\0');
        for (char& b : bytes)
            b = round % 2 ? static_cast<char>(next() >> 16) : alphabet[(next() >> 16) % alphabet.size()];
        core::Global g = startupDefaults();
        readSettings(bytes, g);
        const core::Settings& s = g.settings;
        ASSERT_TRUE(s.legendTab >= 0 && s.legendTab <= 3) << round;
        ASSERT_GE(s.maxGreenNodes, 1) << round;
        ASSERT_GE(s.speedMph, 1.0f) << round;
        ASSERT_TRUE(s.backColour > 0 && s.backColour <= 16777215) << round;
        ASSERT_TRUE(s.labelFontSize >= 6 && s.labelFontSize <= 16) << round;
        ASSERT_TRUE(s.patternFill == 0 || s.patternFill == 1) << round;
        ASSERT_EQ(s.streetNames, 0) << round;
    }
}

class SettingsSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string folder_;
};

TEST_F(SettingsSaveTest, SavingStampsTheVersionAndWritesTheFile) {
    core::Global g = unusualValues();
    g.fileVersion = 0;
    saveSettings(folder_ + "/img.dat", g);
    EXPECT_EQ(g.fileVersion, core::kProgVersion);
    EXPECT_EQ(basic::readFileBytes(folder_ + "/img.dat"), settingsBytes(g));
}

TEST_F(SettingsSaveTest, AFailedWriteLeavesTheOldFileAndTellsWhy) {
    const std::string path = folder_ + "/img.dat";
    basic::writeFileWhole(path, "old settings\r\n");
    core::Global g = unusualValues();
    try {
        const testsupport::FullDisk full;
        saveSettings(path, g);
        ADD_FAILURE() << "no fault";
    } catch (const basic::RuntimeFault& f) {
        EXPECT_EQ(f.description(), "Path/File access error");
    }
    EXPECT_EQ(basic::readFileBytes(path), "old settings\r\n");

    try {
        saveSettings(folder_ + "/missing/img.dat", g);
        ADD_FAILURE() << "no fault";
    } catch (const basic::RuntimeFault& f) {
        EXPECT_EQ(f.description(), "Path not found");
    }
    EXPECT_FALSE(fs::exists(folder_ + "/missing"));
}

} // namespace
} // namespace prefs
