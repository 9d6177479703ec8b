#pragma once
// The font list fonts.dat in the data folder: the font faces the screen offers, gathered once
// and kept, since gathering them is slow. Line 1 is the version stamp in the print form
// (" 1.971 "), line 2 the number N of names (" 3 "), then the names, one whole line each, in the
// order of the first font chooser; every line ends with CR LF.
//
// Names are read as whole lines, so "0123" stays "0123" and a comma cuts nothing. A file whose
// line 2 holds more names than it has yields the names it has; one that yields no name (empty,
// no number in line 2, N of 0 or less) counts as missing and is built anew.

#include "window/global.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {
class ComboBox;
}

namespace prefs {

std::string fontListBytes(basic::Single version, const std::vector<std::string>& names);

// The names the bytes hold; line 1, when it is a number, goes to `fileVersion`.
std::vector<std::string> readFontList(std::string_view bytes, basic::Single& fileVersion);

// saveFontList: sets `fileVersion` to `progVersion`, as the settings writer does, so that a list
// built on a first run is stamped with the program's version too, and writes the entries of the
// chooser with it as the stamp, whole or not at all (a failure raises the runtime's file fault
// and leaves the file that was there). The system's name: savefnts.
void saveFontList(const platform::ComboBox& chooser, const std::string& path, core::Global& g);

// loadFontList: empties the chooser and fills it from the file; a missing or unreadable file raises
// the runtime's file fault with the chooser left empty. The system's name: ldfnts.
void loadFontList(platform::ComboBox& chooser, const std::string& path, core::Global& g);

} // namespace prefs
