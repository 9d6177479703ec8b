#include "basic/digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace basic {

namespace {

// Enough digits to write any double exactly (the longest exact expansion has 767).
constexpr int kExactPrecision = 780;
// The most digits the shortest form of a double has.
constexpr int kShortestDigits = 17;

// The exponent written after the "e" at e: its sign and digits, up to end.
int exponentOf(const char* e, const char* end) {
    int value = 0;
    for (const char* c = e + 2; c < end; ++c)
        value = value * 10 + (*c - '0');
    return e[1] == '-' ? -value : value;
}

// a = mantissa x 2^low with an odd mantissa (a finite and above 0).
struct Binary {
    std::uint64_t mantissa;
    int low;
};

Binary binaryOf(double a) {
    constexpr int kFractionBits = 52;
    constexpr std::uint64_t kHidden = std::uint64_t{1} << kFractionBits;
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const auto biased = static_cast<int>(bits >> kFractionBits); // a is above 0: no sign bit
    // A subnormal number has no hidden bit and the exponent of the smallest normal one.
    const std::uint64_t m = (bits & (kHidden - 1)) | (biased != 0 ? kHidden : 0);
    const int exponent = std::max(biased, 1) - 1075;
    const int zeros = std::countr_zero(m);
    return {m >> zeros, exponent + zeros};
}

// The first precision of the count digits given (the value digits[0].digits[1..] x
// 10^exponent), rounded up when up is set, trailing zeros dropped.
DecimalDigits rounded(const char* digits, int count, int precision, int exponent, bool up) {
    DecimalDigits d{};
    d.exponent = exponent;
    d.count = std::min(count, precision);
    std::copy(digits, digits + d.count, d.digits);
    if (up) {
        int i = d.count - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits[0] = '1';
            ++d.exponent;
        }
    }
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// The shortest text that reads back as a, when it has at most precision digits (precision at
// most 15): that text is a rounded to precision digits, since a normal double lies within half
// a unit of its last place of it, which is less than half a unit of the 15th digit.
bool shortestDigits(double a, int precision, DecimalDigits& d) {
    if (precision > 15 || !std::isnormal(a)) return false;
    char buf[32];
    const char* end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific).ptr;
    const char* e = std::find(static_cast<const char*>(buf), end, 'e');
    const int count = e - buf > 1 ? static_cast<int>(e - buf) - 1 : 1; // without the point
    if (count > precision || count > kShortestDigits) return false;
    char digits[kShortestDigits];
    digits[0] = buf[0];
    std::copy(buf + 2, buf + 2 + (count - 1), digits + 1);
    d = rounded(digits, count, precision, exponentOf(e, end), false);
    return true;
}

// Powers of five up to 5^27, the largest whose product with a 53-bit mantissa stays below 2^128.
constexpr int kMaxFive = 27;
constexpr std::array<std::uint64_t, kMaxFive + 1> kFives = [] {
    std::array<std::uint64_t, kMaxFive + 1> p{};
    p[0] = 1;
    for (int k = 1; k <= kMaxFive; ++k)
        p[static_cast<std::size_t>(k)] = p[static_cast<std::size_t>(k) - 1] * 5;
    return p;
}();

constexpr int kMaxTen = 19; // the largest power of ten below 2^64
constexpr std::array<std::uint64_t, kMaxTen + 1> kTens = [] {
    std::array<std::uint64_t, kMaxTen + 1> p{};
    p[0] = 1;
    for (int k = 1; k <= kMaxTen; ++k)
        p[static_cast<std::size_t>(k)] = p[static_cast<std::size_t>(k) - 1] * 10;
    return p;
}();

// The number of decimal digits of n (n at least 1): log10 from the bit length, off by at most one.
int decimalLength(std::uint64_t n) {
    const int guess = (std::bit_width(n) * 1233) >> 12; // 1233 / 4096 is just below log10(2)
    return guess + (n >= kTens[static_cast<std::size_t>(guess)] ? 1 : 0);
}

constexpr std::uint64_t kEightDigits = 100'000'000;
constexpr int kWholeText = 24;

// "00" .. "99".
constexpr std::array<char, 200> kPairs = [] {
    std::array<char, 200> p{};
    for (std::size_t i = 0; i < 100; ++i) {
        p[2 * i] = static_cast<char>('0' + i / 10);
        p[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return p;
}();

void putFour(char* at, std::uint32_t v) {
    std::memcpy(at, kPairs.data() + 2 * (v / 100), 2);
    std::memcpy(at + 2, kPairs.data() + 2 * (v % 100), 2);
}

// The eight digits of v (below 10^8), leading zeros included.
void putEight(char* at, std::uint32_t v) {
    putFour(at, v / 10000);
    putFour(at + 4, v % 10000);
}

// The digits of n x 10^-tenths (n at least 1) rounded to precision digits, ties away from zero,
// in whole-number arithmetic: the same digits rounded does from n's decimal text, without it.
DecimalDigits roundedWhole(std::uint64_t n, int tenths, int precision) {
    DecimalDigits d{};
    int length = decimalLength(n);
    d.exponent = length - 1 - tenths;
    if (length > precision) {
        const std::uint64_t unit = kTens[static_cast<std::size_t>(length - precision)];
        const bool up = n % unit >= unit / 2;
        n = n / unit + (up ? 1 : 0);
        length = precision;
        if (n == kTens[static_cast<std::size_t>(precision)]) { // 99..9 rounded up to 100..0
            n /= 10;
            ++d.exponent;
        }
    }
    while (n % 10 == 0) {
        n /= 10;
        --length;
    }
    d.count = length;
    // n has at most 17 digits: 9 above the low 8, written right-aligned, two digits at a time.
    char text[kWholeText];
    putEight(text + kWholeText - 8, static_cast<std::uint32_t>(n % kEightDigits));
    n /= kEightDigits;
    putEight(text + kWholeText - 16, static_cast<std::uint32_t>(n % kEightDigits));
    text[kWholeText - 17] = static_cast<char>('0' + n / kEightDigits);
    std::memcpy(d.digits, text + kWholeText - length, static_cast<std::size_t>(length));
    return d;
}

// The digits of a from its exact decimal expansion, when that is a whole number n of at most
// 128 bits times a power of ten: a = m x 2^-k = (m x 5^k) x 10^-k for 0 < k <= 27, or m x 2^low
// itself for 0 <= low <= 74. This holds for every Single and every number of map units and
// degrees kept as a Single, and rounding the exact digits is exact.
bool wholeDigits(double a, int precision, DecimalDigits& d) {
    if (!std::isnormal(a)) return false;
    const Binary b = binaryOf(a);
    if (std::uint64_t n = 0; b.low < 0 && -b.low <= kMaxFive) {
        if (!__builtin_mul_overflow(b.mantissa, kFives[static_cast<std::size_t>(-b.low)], &n)) {
            d = roundedWhole(n, -b.low, precision);
            return true;
        }
    } else if (b.low >= 0 && b.low < std::countl_zero(b.mantissa)) {
        d = roundedWhole(b.mantissa << b.low, 0, precision);
        return true;
    }
    unsigned __int128 n = 0;
    int tenths = 0; // a = n x 10^-tenths
    if (b.low < 0 && -b.low <= kMaxFive) {
        n = static_cast<unsigned __int128>(b.mantissa) * kFives[static_cast<std::size_t>(-b.low)];
        tenths = -b.low;
    } else if (b.low >= 0 && b.low <= 74) {
        n = static_cast<unsigned __int128>(b.mantissa) << b.low;
    } else {
        return false;
    }
    constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000u;
    const auto high = static_cast<std::uint64_t>(n / kTen19);
    const auto low = static_cast<std::uint64_t>(n % kTen19);
    char digits[48];
    char* end = digits;
    if (high != 0) {
        end = std::to_chars(digits, digits + sizeof digits, high).ptr;
        char lowDigits[20];
        const char* lowEnd = std::to_chars(lowDigits, lowDigits + sizeof lowDigits, low).ptr;
        end = std::fill_n(end, 19 - (lowEnd - lowDigits), '0'); // the zeros low's text leaves out
        end = std::copy(static_cast<const char*>(lowDigits), lowEnd, end);
    } else {
        end = std::to_chars(digits, digits + sizeof digits, low).ptr;
    }
    const int count = static_cast<int>(end - digits);
    const bool up = count > precision && digits[precision] >= '5';
    d = rounded(digits, count, precision, count - 1 - tenths, up);
    return true;
}

// Digit number index (0-based) of the exact decimal expansion of a, whose decimal exponent is
// exponent10 or one below: written to as many digits as the expansion has, never to more. For
// low < 0 the expansion ends at the digit for 10^low.
char exactDigit(double a, int index, int exponent10) {
    const int length = exponent10 + 2 + std::max(0, -binaryOf(a).low);
    const int precision = std::clamp(length, index + 1, kExactPrecision);
    char buf[kExactPrecision + 16];
    std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, precision);
    return index == 0 ? buf[0] : buf[index + 1];
}

} // namespace

DecimalDigits significantDigits(double a, int precision) {
    DecimalDigits d{};
    if (wholeDigits(a, precision, d) || shortestDigits(a, precision, d)) return d;
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
    const int exponent = exponentOf(buf + precision + 3, written.ptr);
    const bool tieSoFar = guard[precision] == '5' && guard[precision + 1] == '0';
    const bool up = (tieSoFar ? exactDigit(a, precision, exponent) : guard[precision]) >= '5';
    return rounded(guard, precision, precision, exponent, up);
}

} // namespace basic
