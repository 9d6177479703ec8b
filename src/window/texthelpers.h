#pragma once
// Small text operations that turn numbers, stored tag texts and list entries into what the
// panels show.

#include <string>
#include <string_view>

namespace core {

// A number text written with five decimals (".00000": no digit before the point below
// magnitude 1) and cut two characters after its point: 1.23456 gives "1.23", 0.5 ".50",
// 1.999996 "2.00", -0.004 "-.00". The argument becomes the five-decimal text. A text that is no
// number stays as it is and comes back whole.
// The system's name: fndec1.
std::string cutToTwoDecimals(std::string& numberText);

// The part after the first "$" when the text holds one, else after the first "#", else the
// whole text: "12#PUB$The Swan" gives "The Swan", "12#PUB" gives "PUB".
std::string fnstriptag(std::string_view text);

// Removes every "/>", "<tag", "</way>", "k=", "v=", "name", "AREA:" and "'", in this order and
// case-sensitively, from a tag text; the argument is changed too.
// The system's name: repl.
std::string stripTagMarkup(std::string& text);

// Replaces every occurrence of the i-th word of the comma-separated list by the number i + 1,
// word after word, each on the result of the one before; pending input is let through between
// words. The argument is changed too.
std::string replc(std::string& text, std::string_view list);

} // namespace core
