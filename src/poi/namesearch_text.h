#pragma once
// The text rules of the searches: how a typed name becomes the text searched for, and when a
// name counts as a hit. Window-free.

#include <string>
#include <string_view>

namespace poi {

// The text searched for when the user typed `typed` (UTF-8, as the boxes give it): first
// normalised as the import normalises every name before it is stored (street words shortened,
// the accented letters it folds made plain), so that it holds the same bytes as the stored
// names; then lower case, proper case, the street words shortened again, and lower case:
// "high road" gives "high rd", "Café" gives "cafe".
std::string searchKey(std::string_view typed);

// Whether a node name (in lower case) may be a hit for `text` (lower case): true when `text`
// does not occur in it, or when one of its occurrences starts at character 1 or 2, or follows a
// character whose code is 64 or less. A match inside a word does not count, but the
// character before a match at character 2 is not looked at: "bar" passes "the bar", "barley
// mow", "xbar" and "crowbar bar", not "crowbar". The caller then looks for `text` in the
// abbreviated name.
bool nodeNameMayMatch(std::string_view lowerName, std::string_view text);

// Whether a street name (in lower case) is a hit for `text` (lower case): it equals `text`, or
// `text` occurs at its start or after a blank.
bool streetNameMatches(std::string_view lowerName, std::string_view text);

// Lower case of `text` by the Windows-1252 table into `out`, reusing its storage.
void lowerInto(std::string& out, std::string_view text);

} // namespace poi
