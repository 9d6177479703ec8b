#pragma once
// Reading the project file back into the data model, as every drawing does before it draws:
// the map in memory is always the one the project file holds.

#include "basic/numbers.h"

#include <string_view>

namespace core {
class MapWindow;
}
namespace osmimport {
struct ProjectData;
}

namespace render {

// The project file parsedPath names, as its parsed copy holds it (read and parsed again when
// the file changed). A file that cannot be read or that the reader refuses raises the fault
// that says why (for one message); nothing in the window has changed then. Its callers read
// the file first and unload the last drawing's markers (unload_) only after, so that a file
// that cannot be read leaves the last drawing, markers and all, as it was.
const osmimport::ProjectData& readProject(core::MapWindow& map);

// The data model takes the file read: the header, the node and way records, the area labels
// (captions of lab2(1..lab2Count), their x, y and width as items of List2(0..2)), the marker
// lists and counts, with the markers quest, quot and chain 2..count loaded again and their
// texts as Tag; and, only while reloadTrailer is set, the problem texts and the count captions
// numb(0..23), after which poiMode is 0: it then gives true, and the caller paints the category
// cells for it. Below the zoom 1.2 the unnamed-feature list is dropped; in the "Hide Errors"
// style the problem markers are unloaded again and their counts are 0. Markers and labels
// beyond the highest element a control array holds (32767) keep their texts in the data model
// but are not loaded.
bool takeProject(core::MapWindow& map, const osmimport::ProjectData& file);

// The Planning Sheet's taking of the same file, which draws no problem markers: the area labels
// are loaded as above, the marker lists are emptied and their counters left at rest, the
// problem texts are taken only while hiddenAreaList is empty, the counts, the notes and the
// count captions are not taken, and reloadTrailer is set, so that the next normal drawing reads
// them all.
void takeProjectForSheet(core::MapWindow& map, const osmimport::ProjectData& file);

// The count of unnamed-feature markers a noNameList gives: the highest index of the list split
// at "#", that is its number of "#", -1 for the empty list, at most 32767.
basic::Integer unnamedMarkerCount(std::string_view noNameList);

} // namespace render
