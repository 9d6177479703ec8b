#pragma once
// The numbers of the program's own text files (settings file, font list): the first value of a
// line, as the list input reads it, taken only when it is a decimal number in full.

#include <optional>
#include <string_view>

namespace prefs {

using Line = std::optional<std::string_view>;

// Nothing for a missing line, an empty one, one whose first value is no decimal number (sign,
// digits with at most one point, an exponent of E or D) or one beyond the Double range.
std::optional<double> numberOn(Line line);

} // namespace prefs
