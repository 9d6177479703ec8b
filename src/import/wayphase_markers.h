#pragma once
// The problem markers of the way phase, kept as data: placing one raises its count, keeps its
// text at the aligned index (marker k has its text at k - 2) and, where the marker has a node,
// appends the node & "#" to its list; the drawing makes the visible markers. The count labels
// that follow the counts are the window's side.

#include "basic/numbers.h"
#include "import/projectdata.h"

#include <string>
#include <string_view>

namespace osmimport {

// Count labels the way phase keeps up to date.
inline constexpr int kEmptyTagCaption = 27;  // empty-tag markers
inline constexpr int kQuestCaption = 29;     // "?" markers other than areas
inline constexpr int kQuestAreaCaption = 30; // "?" markers of areas
inline constexpr int kChainCaption = 31;     // chain arrows

// The window's side of the way phase.
class WayPhaseSink {
public:
    virtual ~WayPhaseSink() = default;
    // Count label numb(label) shows value.
    virtual void caption(int label, Long value) = 0;
    // The width of a label caption in the map picture's current font.
    virtual Single textWidth(std::string_view text) = 0;
};

// An empty-tag marker at node; numb(27) shows the count before it.
void placeEmptyTagMarker(ProjectData& data, WayPhaseSink& sink, Long node, std::string text);
// A "?" marker at node; no count label changes.
void placeQuestMarker(ProjectData& data, Long node, std::string text);
// `getchain`: a chain arrow; numb(31) shows the count before it. Its place comes from the node
// the caller appends to chainList.
void getchain(ProjectData& data, WayPhaseSink& sink, std::string text);

} // namespace osmimport
