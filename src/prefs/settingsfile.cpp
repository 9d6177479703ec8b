#include "prefs/settingsfile.h"

#include "basic/colour.h"
#include "basic/fault.h"
#include "basic/linereader.h"
#include "basic/linewriter.h"
#include "basic/numbers.h"
#include "basic/wholefile.h"
#include "prefs/closecheck.h"
#include "prefs/numberline.h"
#include "window/mapwindow.h"
#include "window/resume.h"

#include <algorithm>
#include <array>
#include <optional>

namespace prefs {

namespace {

constexpr std::size_t kLineCount = 34;
// Far more than 34 lines of paths and names take: a larger file is read no further.
constexpr std::size_t kLargestSettings = std::size_t{1} << 20;
constexpr basic::Double kLargestColour = 16777215; // RGB(255,255,255)
constexpr int kFirstRecentFile = 15;               // mf(15..18)

// The first 34 lines of the file as views into its bytes; fewer when the file is shorter.
class SettingsLines {
public:
    explicit SettingsLines(std::string_view bytes) {
        basic::LineReader reader(bytes);
        while (count_ < kLineCount && !reader.eof())
            lines_[count_++] = reader.lineInputView();
    }

    // Line n, counted from 1; nothing beyond the end of the file.
    Line line(std::size_t n) const {
        if (n > count_) return std::nullopt;
        return lines_[n - 1];
    }

private:
    std::array<std::string_view, kLineCount> lines_{};
    std::size_t count_ = 0;
};

// Stores the line's number converted to the target's type; a number outside the type leaves the
// target as it was.
template <typename T, typename Convert> void readNumber(Line line, T& target, Convert convert) {
    const std::optional<double> v = numberOn(line);
    if (!v) return;
    try {
        target = convert(*v);
    } catch (const basic::RuntimeFault&) {
    }
}

void readInteger(Line line, basic::Integer& target) {
    readNumber(line, target, [](double v) { return basic::cint(v); });
}

void readText(Line line, std::string& target) {
    if (line) target = std::string(*line);
}

// A text up to its first line break, which a line of the file cannot hold.
std::string_view storable(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

// The recent-file captions live in the File menu; g.recentFiles carries them to and from the file.
void recentFilesFromMenu(core::MapWindow& map) {
    for (std::size_t i = 0; i < map.global.recentFiles.size(); ++i)
        map.global.recentFiles[i] = map.menus.mf[kFirstRecentFile + static_cast<int>(i)].caption();
}

} // namespace

void readSettings(std::string_view bytes, core::Global& g) {
    const SettingsLines file(bytes);
    core::Settings& s = g.settings;

    readNumber(file.line(1), g.fileVersion, [](double v) { return basic::csng(v); });
    for (std::size_t i = 0; i < s.folderPaths.size(); ++i)
        readText(file.line(4 + i), s.folderPaths[i]);
    readInteger(file.line(13), s.legendTab);
    if (s.legendTab < 0 || s.legendTab > 3) s.legendTab = 1;
    for (std::size_t i = 0; i < g.recentFiles.size(); ++i)
        readText(file.line(14 + i), g.recentFiles[i]);
    for (std::size_t i = 0; i < s.fontNames.size(); ++i)
        readText(file.line(18 + i), s.fontNames[i]);
    readInteger(file.line(21), s.maxGreenNodes);
    if (s.maxGreenNodes < 1) s.maxGreenNodes = 1;
    readInteger(file.line(22), s.poiMode);
    readNumber(file.line(23), s.zoomLeft, [](double v) { return basic::cint(v) != 0; });
    s.streetNames = 0; // line 24 is read for nothing: street names always start switched off
    readNumber(file.line(25), s.speedMph, [](double v) { return basic::csng(v); });
    if (s.speedMph < 1.0f) s.speedMph = 3.3f;
    // A colour beyond RGB(255,255,255) or below 0 is no colour: the line counts as bad.
    if (const auto colour = numberOn(file.line(26)); colour && *colour >= 0 && *colour <= kLargestColour)
        s.backColour = *colour;
    if (s.backColour == 0) s.backColour = basic::rgb(241, 238, 232);
    // Kept to the sizes the Preferences window accepts: a larger one overflows the drawing's
    // font sizes.
    readInteger(file.line(27), s.labelFontSize);
    s.labelFontSize = std::clamp(s.labelFontSize, kSmallestFontSize, kLargestFontSize);
    readInteger(file.line(28), s.patternFill);
    if (s.patternFill != 0 && s.patternFill != 1) s.patternFill = 1;
}

std::string settingsBytes(const core::Global& g) {
    const core::Settings& s = g.settings;
    basic::LineWriter w(512);
    w.number(g.progVersion, true);
    w.text("");
    w.text("");
    for (const std::string& path : s.folderPaths)
        w.text(storable(path));
    w.number(s.legendTab, true);
    for (const std::string& caption : g.recentFiles)
        w.text(storable(caption));
    for (const std::string& font : s.fontNames)
        w.text(storable(font));
    w.number(s.maxGreenNodes, true);
    w.number(s.poiMode, true);
    w.flag(s.zoomLeft, true);
    w.number(s.streetNames, true);
    w.number(s.speedMph, true);
    w.number(s.backColour, true);
    w.number(s.labelFontSize, true);
    w.number(s.patternFill, true);
    for (int reserved = 0; reserved < 6; ++reserved)
        w.flag(s.zoomLeft, true);
    return std::move(w).take();
}

void saveSettings(const std::string& path, core::Global& g) {
    g.fileVersion = g.progVersion;
    basic::writeFileWhole(path, settingsBytes(g));
}

void loadSettingsIntoWindow(core::MapWindow& map, const std::string& path) {
    core::Global& g = map.global;
    recentFilesFromMenu(map);
    std::string bytes;
    // Unreadable: read as empty.
    core::resumeNext([&] { bytes = basic::readFileLines(path, kLineCount, kLargestSettings); });
    readSettings(bytes, g);
    map.legendPanel.Check1.setValue(0);
    const basic::Long colour = basic::clng(g.settings.backColour);
    map.view.p1.setBackColor(colour);
    map.view.p2.setBackColor(colour);
    map.view.Picture1.setBackColor(colour);
    for (std::size_t i = 0; i < g.recentFiles.size(); ++i)
        map.menus.mf[kFirstRecentFile + static_cast<int>(i)].setCaption(g.recentFiles[i]);
}

void saveSettingsFromWindow(core::MapWindow& map, const std::string& path) {
    recentFilesFromMenu(map);
    core::resumeNextWithMessage([&] { saveSettings(path, map.global); });
}

} // namespace prefs
