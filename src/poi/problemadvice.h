#pragma once
// What a click on a problem marker explains: the advice for a "?" marker, an empty-tag marker and
// a node marker in a message box; element 1 of each array is the problem button and opens its
// list. And the chain arrows an import adds one by one.

#include <string>
#include <string_view>

namespace core {
class MapWindow;
}

namespace poi {

// The explanation of a "?" marker whose Tag is `tag`, with the advice its keywords call for;
// `quoteChar` is removed from it.
std::string questAdvice(std::string_view tag, char quoteChar);
// The explanation of an empty-tag marker.
std::string emptyTagAdvice(std::string_view tag);
// The tags of a node marker: the Tag up to "</nod" (all of it when there is none), stripped of
// the XML syntax.
std::string nodeMarkerText(std::string_view tag, char quoteChar);

// Click handlers of the marker arrays; element 1 (0 and 1 for quot, below 2 for chain) is the
// problem button and opens its list.
void quest_Click(core::MapWindow& map, int index);
void quot_MouseDown(core::MapWindow& map, int index);
void chain_Click(core::MapWindow& map, int index);
void shape1_MouseDown(core::MapWindow& map, int index);

// Adds one chain arrow during an import: numb(31) shows the arrows so far, the next element is
// loaded (hidden) with its lower right corner on the map point (x, y) and gets `text` as Tag.
void getchain(core::MapWindow& map, double x, double y, std::string_view text);

} // namespace poi
