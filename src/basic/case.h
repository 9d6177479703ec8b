#pragma once
// Letter case of Windows-1252 texts, by the code page's own table and never by the process
// locale: A-Z <-> a-z, C0-DE <-> E0-FE except D7 and F7, 8A <-> 9A, 8C <-> 9C, 8E <-> 9E,
// 9F <-> FF. DF (sharp s) and B5 (micro) have no partner and stay as they are.

#include <string>
#include <string_view>

namespace basic {

unsigned char lowerByte(unsigned char c) noexcept;
unsigned char upperByte(unsigned char c) noexcept;

std::string lcase(std::string_view s);
// lcase into out, whose buffer is kept: a loop that lower-cases one text after another
// allocates only when a text is longer than all before it.
void lcaseInto(std::string_view s, std::string& out);
std::string ucase(std::string_view s);

// Proper case: the whole text in lower case, then the first character of every word in upper
// case. Words are separated by the blank and the control characters 0, 9, 10, 11, 12 and 13,
// and by nothing else: "o'neil" gives "O'neil" and "saint-jean" gives "Saint-jean".
std::string pcase(std::string_view s);

} // namespace basic
