#include "basic/digits.h"

#include <charconv>

namespace basic {

namespace {

// Enough digits to write any double exactly (the longest exact expansion has 767).
constexpr int kExactPrecision = 780;

int exponentOf(const char* e, const char* end) {
    int value = 0;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, end, value);
    return value;
}

// Digit number index (0-based) of the exact decimal expansion of a.
char exactDigit(double a, int index) {
    char buf[kExactPrecision + 16];
    std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, kExactPrecision);
    return index == 0 ? buf[0] : buf[index + 1];
}

} // namespace

DecimalDigits significantDigits(double a, int precision) {
    // precision + 2 digits, correctly rounded. The two guard digits decide the rounding at
    // precision on their own unless they read exactly "50": then the exact value may lie just
    // below the tie, on it, or just above, and its exact expansion decides.
    char buf[48];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, precision + 1);
    char guard[19];
    guard[0] = buf[0];
    for (int i = 1; i <= precision + 1; ++i)
        guard[i] = buf[i + 1]; // buf[1] is the point
    DecimalDigits d{};
    d.exponent = exponentOf(buf + precision + 3, written.ptr);

    const bool tieSoFar = guard[precision] == '5' && guard[precision + 1] == '0';
    const bool up = (tieSoFar ? exactDigit(a, precision) : guard[precision]) >= '5';
    for (int i = 0; i < precision; ++i)
        d.digits[i] = guard[i];
    if (up) {
        int i = precision - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits[0] = '1';
            ++d.exponent;
        }
    }
    d.count = precision;
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

} // namespace basic
