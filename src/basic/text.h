#pragma once
// The runtime's text operations on byte texts (Windows-1252, one character per byte, never
// decoded). Positions count from 1 as the runtime's do; a position or length the runtime refuses
// raises fault 5 "Invalid procedure call or argument".

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace basic {

using Position = std::ptrdiff_t;

// Position of the first needle in s at or after start, 0 when absent. A start past the end of
// s gives 0 before anything else, so an empty needle is found at start only inside s:
// instr("abc", "") = 1, instr(4, "abc", "") = 0, instr("", "") = 0. A start below 1 is fault 5.
Position instr(Position start, std::string_view s, std::string_view needle);
Position instr(std::string_view s, std::string_view needle);

// Start past the end gives ""; a length past the end is cut. start < 1 or len < 0 is fault 5.
std::string mid(std::string_view s, Position start);
std::string mid(std::string_view s, Position start, Position len);
std::string left(std::string_view s, Position n);
std::string right(std::string_view s, Position n);
inline Position len(std::string_view s) noexcept {
    return static_cast<Position>(s.size());
}

// Every non-overlapping find, left to right in one pass, replaced by with. An empty find changes
// nothing. The rvalue form hands s back itself, without a copy, when find does not occur, and
// rewrites it in its own storage when `with` is no longer than find (neither may point into s).
std::string replace(std::string_view s, std::string_view find, std::string_view with);
std::string replaceAll(std::string&& s, std::string_view find, std::string_view with);

// Number of non-overlapping needles in s; 0 for an empty needle.
Position count(std::string_view s, std::string_view needle);

// The pieces of s between delimiters: "" gives no pieces, "a#" gives {"a", ""}, "#" gives
// {"", ""}; an empty delimiter gives s as the one piece. The views point into s.
std::vector<std::string_view> splitView(std::string_view s, std::string_view delim);
std::vector<std::string> split(std::string_view s, std::string_view delim);

std::string join(const std::vector<std::string>& items, std::string_view delim);
std::string join(const std::vector<std::string_view>& items, std::string_view delim);

// Blanks (character 32) only; tabs and line breaks stay.
std::string trim(std::string_view s);
std::string ltrim(std::string_view s);
std::string rtrim(std::string_view s);
std::string_view trimView(std::string_view s) noexcept;

// n blanks; n copies of ch. A negative n is fault 5.
std::string space(Position n);
std::string string(Position n, char ch);

// The one-byte text of code n (0..255, else fault 5); the code of the first byte of s (fault 5
// when s is empty).
std::string chr(int n);
int asc(std::string_view s);

} // namespace basic
