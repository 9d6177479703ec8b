#include "poi/problemlists.h"

#include "basic/text.h"
#include "import/tagtext.h"
#include "window/mapwindow.h"

#include <algorithm>

namespace poi {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kFirstMarker = 2;

// The text after the marker as the panel shows it.
std::string entryName(std::string_view rest) {
    std::string name;
    name.reserve(rest.size());
    for (char c : rest) {
        if (c != '#' && c != '\n') name += c;
    }
    name = basic::trim(name);
    if (name.empty()) name = "no data";
    return name;
}

} // namespace

std::vector<ProblemEntry> problemEntries(std::string_view text, std::string_view markers) {
    std::vector<ProblemEntry> entries;
    if (text.find(kLineBreak) == std::string_view::npos) return entries;
    const std::vector<std::string_view> lines = basic::splitView(text, kLineBreak);
    for (char marker : markers) {
        for (std::string_view line : lines) {
            const size_t at = line.find(marker);
            if (at == std::string_view::npos) continue;
            entries.push_back({entryName(line.substr(at + 1)), std::string(line.substr(0, at + 1))});
        }
    }
    return entries;
}

void proclist(core::MapWindow& map, std::string_view text, std::string_view markers) {
    core::ProblemPanel& panel = map.problems;
    panel.List4.clear();
    panel.List5.clear();
    if (map.data.drawBusy) return;
    const std::vector<ProblemEntry> entries = problemEntries(text, markers);
    panel.Text1.setText("");
    panel.Text1.setVisible(false);
    for (const ProblemEntry& entry : entries) {
        panel.List4.addItem(entry.name);
        panel.List5.addItem(entry.key);
    }
}

std::string emptyTagEntries(core::MapWindow& map) {
    std::string list;
    core::ImageArray& quot = map.markers.quot;
    const char quote = map.global.quoteChar;
    const basic::Long last = std::min<basic::Long>(map.data.quotCount, quot.ubound());
    for (basic::Long i = kFirstMarker; i <= last; ++i) {
        if (!quot.exists(static_cast<int>(i))) continue;
        platform::ImageControl& marker = quot[static_cast<int>(i)];
        std::string tag = marker.tag();
        std::replace(tag.begin(), tag.end(), '\'', quote);
        basic::Position start = 1;
        const std::string_view value = osmimport::tagv(tag, start, quote);
        list += std::to_string(i);
        list += '*';
        list += value;
        list += kLineBreak;
        marker.setTag(std::move(tag));
    }
    return list;
}

} // namespace poi
