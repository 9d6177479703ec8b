#pragma once
// The File menu's small file operations: the overwrite question before a file is written, and
// the two readers of a whole file into one text.

#include "basic/numbers.h"

#include <string>

namespace core {

class MapWindow;

// Whether `path` names an existing regular file.
bool isFile(const std::string& path);

// False (0) when no file of that name exists; otherwise the question "File exists. Wish to
// overwrite?" (Yes, No, Cancel), and True (-1: do not write) for any answer but Yes.
basic::Integer exists(const std::string& path);

// The OSM text for the import: `loadStart` taken now, the file read by osmimport::loadbinary
// with the window's message boxes, hourglass and event pump, and `fileSizeMB` set once the file's
// length was accepted. Empty when there is nothing to import.
std::string loadbinary(MapWindow& map, const std::string& path);

// The whole text of a file, for a caller that passes a non-zero flag and a path without ".vnk"
// (otherwise, and for a missing file, the empty text). `leakedAreas` is emptied in every case.
// Before reading: `cancelRequested` cleared, status panel 3 cleared, `fileSizeMB` set, the wheel
// timer stopped, the progress frame shown with "Loading file...", the author list cleared
// unless an author is selected, `curFile` = path, the run-time markers unloaded, hourglass on.
// A read failure gives the empty text with the hourglass off and `mapScale` 1.
std::string loadtext(MapWindow& map, const std::string& path, basic::Integer flag);

} // namespace core
