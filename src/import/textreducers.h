#pragma once
// Two reducers of OSM element text: the tags of one element as "key:value" texts, and a file's
// text cut down to its way elements from their time attribute on. They read the text as the
// other tag helpers do, by plain substring search with the attribute quote character.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace osmimport {

// alltag: every piece after a "<tag", trimmed of blanks, with its first blank turned into ":",
// joined; then every "/>", "k=", "v=" and quote character removed and the blanks at both ends
// trimmed. The part before the first "</w" of that, or nothing when it holds none: the text of
// a node, or of a way without tags, gives nothing.
std::optional<std::string> alltag(std::string_view text, char quote);

// stripways: the text split at every "<way"; each piece holding "time" & quote gives "<way "
// and the piece from there on, the first piece once before the others too, where it is taken
// whole when it holds no time. letEventsThrough runs after each piece of the loop.
std::string stripways(std::string_view text, char quote, const std::function<void()>& letEventsThrough);

} // namespace osmimport
