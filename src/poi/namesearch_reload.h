#pragma once
// What a search reads of the project file: the map the names are searched in is always the one
// the file holds.

namespace core {
class MapWindow;
}

namespace poi {

// Reads the project file parsedPath names and takes from it the version, origin and scale, the
// node and way records, the area labels (with their x, y and width as the items of List2(0..2))
// and the street-name list; the file is read only that far, so damage after the street-name list
// does not stop a search. The marker lists, the problem texts and the count captions stay as
// the last drawing left them. A file that cannot be read or that the reader refuses shows one
// message with the reason and gives false; the data model and List2 are then as they were.
bool reloadForSearch(core::MapWindow& map);

} // namespace poi
