#pragma once
// Text to number as the runtime's Val reads it, the same under every process locale.

#include <string_view>

namespace basic {

// The longest leading number of s, 0 when there is none. Blanks, tabs and line feeds are passed
// over anywhere ("1 2" gives 12); then an optional sign, digits with at most one ".", and an
// optional exponent of "E", "e", "D" or "d" with its own sign and digits. "&H" and "&O" read hex
// and octal whole numbers, which up to &HFFFF are 16-bit ("&HFFFF" gives -1) and up to
// &HFFFFFFFF 32-bit. Anything else ends the number, a comma too ("1,5" gives 1). A value beyond
// the Double range, or a hex or octal number beyond 32 bits, is fault 6 "Overflow"; one too
// small for a Double gives 0.
double val(std::string_view s);

} // namespace basic
