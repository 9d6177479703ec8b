#pragma once
// The entries of a problem list text: lines separated by CR LF, each holding an item number, a
// marker character and a name or tag text. The panel shows the text after the marker and keeps
// the line up to the marker as the entry's key, from which the navigation finds the place.

#include <string>
#include <string_view>
#include <vector>

namespace core {
class MapWindow;
}

namespace poi {

struct ProblemEntry {
    std::string name; // what the panel shows
    std::string key;  // the line up to and including the marker
    bool operator==(const ProblemEntry&) const = default;
};

// For each marker character in turn, each line holding it in text order: the line after its
// first such marker without "#" and line feeds, trimmed ("no data" when nothing is left), and
// the line up to the marker. A text without any CR LF gives no entry.
std::vector<ProblemEntry> problemEntries(std::string_view text, std::string_view markers);

// Fills the panel's list List4 and its keys List5 with the entries of `text`; empties and hides
// the detail box Text1. While drawBusy is set the lists are only emptied.
void proclist(core::MapWindow& map, std::string_view text, std::string_view markers);

// The "Empty Tags" list rebuilt from the empty-tag markers quot(2..quotCount): each marker's Tag
// gets the quote character for its apostrophes (stored back) and gives the line: marker number,
// "*", the value of its first tag, CR LF.
std::string emptyTagEntries(core::MapWindow& map);

} // namespace poi
