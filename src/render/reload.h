#pragma once
// Reading the project file back into the data model, as every drawing does before it draws:
// the map in memory is always the one the project file holds.

#include "basic/numbers.h"

#include <string_view>

namespace core {
class MapWindow;
}

namespace render {

// Reads the project file parsedPath names into the data model: the header, the node and way
// records, the area labels (captions of lab2(1..lab2Count), their x, y and width as items of
// List2(0..2)), the marker lists and counts, with the markers quest, quot and chain 2..count
// loaded again and their texts as Tag; and, only while reloadTrailer is set, the problem texts
// and the count captions numb(0..23), after which poiMode is 0: it then gives true, and the
// caller paints the category cells for it. The run-time markers of the previous drawing are unloaded first.
// Below the zoom 1.2 the unnamed-feature list is dropped; in the "Hide Errors" style the problem markers are
// unloaded again and their counts are 0.
//
// A file that cannot be read or that the reader refuses raises the fault that says why (for
// one message); the data model, the markers and the lists are then as they were. Markers and
// labels beyond the highest element a control array holds (32767) keep their texts in the data
// model but are not loaded.
bool reloadProject(core::MapWindow& map);

// The Planning Sheet's reading of the same file, which draws no problem markers: the run-time
// markers are unloaded and the area labels loaded as above, the marker lists are emptied and
// their counters left at rest, the problem texts are taken only while hiddenAreaList is empty,
// the counts, the notes and the count captions are not taken, and reloadTrailer is set, so that
// the next normal drawing reads them all. The same faults, with the data model as it was.
void reloadProjectForSheet(core::MapWindow& map);

// The count of unnamed-feature markers a noNameList gives: the highest index of the list split
// at "#", that is its number of "#", -1 for the empty list, at most 32767.
basic::Integer unnamedMarkerCount(std::string_view noNameList);

} // namespace render
