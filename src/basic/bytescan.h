#pragma once
// Searches for either of two bytes eight bytes at a time: the delimiters of the line-oriented
// files (comma and line feed, double quote and line feed) end values a few bytes apart, where a
// call of memchr per value costs more than the search itself.

#include <cstddef>
#include <string_view>

namespace basic {

// Position of the first a or b in s at or after from; s.size() when there is none.
std::size_t findEither(std::string_view s, std::size_t from, char a, char b) noexcept;

// Number of bytes of s that are a or b.
std::size_t countEither(std::string_view s, char a, char b) noexcept;

} // namespace basic
