#pragma once
// The import `showmap`: the text of an OSM file becomes the window's data model and a project
// file in the data folder, and the map is drawn from that file. It runs on the one GUI thread in
// phases whose captions the progress panel shows ("parsing names...", "parsing nodes...",
// "parsing highways...", "Final bits ..."), with the menus greyed, the program busy and
// "Cancel" polled.
//
// An import ends in one of three ways:
// - normally: the project file is written whole to dataFolder & "/" & the file title of
//   curFile & ".vnk" (which becomes parsedPath) and the end sequence draws it;
// - cancelled, or the project file could not be written (after its one message "Can't write
//   '<path>'"): nothing of the import stays in the data model, no FIXME report is made, and the
//   end sequence draws the project file parsedPath named before, left byte for byte as it was;
// - stopped early, for an empty text, a file without bounds ("Can't find 'boundaries'") or one
//   over the node limit: after its message the program is usable again (not busy, the map
//   picture shown and enabled, the wheel timer as before, the display options enabled) and
//   parsedPath still names the previous project file, which the next drawing shows.
// In every case the top menus stay greyed: the File menu enables them once the import returns.
//
// The import itself is osmimport::importOsm, the one window-free call every import runs: nodes
// are read and classified into POI codes, records and names; ways are read, classified, checked
// and labelled, and the final statistics mark unconnected ways and stations without platforms.
// The window listens to it (WindowImportListener), then writes the project file.

#include "core/importlistener.h"

#include <string>

namespace core {

class MapWindow;

// `showmap`: imports osmText, the whole text of the OSM file named by curFile, as the loader
// read it. `watch` hears each phase as it starts: "set-up", the captions above, "project file"
// and "end sequence". True when the project file was written: the map on screen is then the
// new one; otherwise it is still the one parsedPath named before.
bool showmap(MapWindow& map, std::string osmText, const PhaseWatch& watch = {});

} // namespace core
