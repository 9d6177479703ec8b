#pragma once
// The significant decimal digits of a number, rounded as the runtime rounds them: on the exact
// decimal value of the binary number, ties away from zero. Shared by the number forms and the
// format patterns.

namespace basic {

struct DecimalDigits {
    char digits[17]; // '1'..'9' first, no trailing '0'
    int count;       // 1..precision
    int exponent;    // value = d.ddd x 10^exponent
};

// magnitude must be finite and above 0; precision is 1..17.
DecimalDigits significantDigits(double magnitude, int precision);

} // namespace basic
