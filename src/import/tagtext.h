#pragma once
// The text routines that read values out of pieces of OSM text without parsing XML: exact,
// case-sensitive substring searches that rely on the attribute quote character. The results of
// the classification and check rules depend on their quirks, which are kept; each quirk is
// stated at its routine. Results that are parts of the argument are views into it.

#include "basic/text.h"

#include <string>
#include <string_view>

namespace osmimport {

// The value of the first key & "=" in text: from the second character after the "=" (the
// opening quote is skipped, whatever it is) up to the next quote character; empty when the key
// or the closing quote is missing. The key is found anywhere: "id" also matches the end of
// "uid", and "lat" the end of "maxlat".
std::string_view getval(std::string_view text, std::string_view key, char quote);

// The value of the first "v=" at or after start (counted from 1), up to the next quote
// character after its opening quote. A start of 0 becomes 1, in the caller's variable too. No
// "v=", no closing quote or a start outside the text give the empty text.
std::string_view tagv(std::string_view text, basic::Position& start, char quote);

// The text after the first "<tag" (beginning with the blank that follows it), or the whole text.
// The system's name: fntagg.
std::string_view textAfterFirstTag(std::string_view text);

// The tags condensed to their keys and values: for each "k=", the text up to its first "/"
// followed by one blank, then every "v=" replaced by a blank. A value holding "/" is cut there
// and the rest of that tag is lost; a part without "/" adds nothing; a text without "k=" comes
// back unchanged.
// The system's name: v_.
std::string condenseTags(std::string_view text);

// The value of the first key that begins with "name" (quote & "name", so "name:en" counts),
// whole up to its closing quote character; street-type words shortened by fnnam2 when
// abbreviate is set. A text without such a key, or without a complete value, gives the empty
// text.
std::string fnnam(std::string_view text, bool abbreviate, char quote);

// The value of the ref tag: "J~" when the text holds no "ref" at all, "J?" when no key ends in
// "ref" followed by the quote character and a blank; otherwise the value after that key (up to
// the next such key) and its closing quote, and the empty text when the quote is missing.
// The system's name: reff.
std::string_view refTagValue(std::string_view text, char quote);

// The union of two "#"-lists: the items of source (the piece after its last "#" is not used)
// that target does not hold as "#" & item & "#", each followed by "#", behind target for mode
// 0 and before it for any other mode. An empty first item adds a lone "#". An item at the very
// start of a target without a leading "#" is not seen, so it can be added twice.
// The system's name: fntop.
std::string mergeHashLists(int mode, std::string_view source, std::string_view target);

} // namespace osmimport
