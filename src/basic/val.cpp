#include "basic/val.h"

#include "basic/fault.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>

namespace basic {

namespace {

bool passedOver(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

// Reads s character by character, stepping over blanks, tabs and line feeds.
struct Cursor {
    std::string_view s;
    std::size_t i = 0;
    std::size_t end = 0; // just after the last character taken

    int peek() {
        while (i < s.size() && passedOver(s[i]))
            ++i;
        return i < s.size() ? static_cast<unsigned char>(s[i]) : -1;
    }
    void take() { end = ++i; }
};

int digitValue(int c, int base) {
    int d = -1;
    if (isDigit(c))
        d = c - '0';
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    return d < base ? d : -1;
}

// "&H" and "&O" numbers: 16-bit while they fit in 16 bits, else 32-bit, two's complement.
double radixNumber(Cursor& c, int base) {
    std::uint64_t v = 0;
    for (int d = digitValue(c.peek(), base); d >= 0; d = digitValue(c.peek(), base)) {
        v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFu) raise(fault::Overflow);
        c.take();
    }
    if (v <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

// Where a number too large or too small for a Double stands: the decimal exponent of its first
// significant digit, roughly; above 0 it overflowed, otherwise it underflowed to 0.
struct Magnitude {
    long wholeDigits = 0;  // significant digits before the point
    long leadingZeros = 0; // zeros after the point before the first significant digit
    long exponent = 0;
    bool seenSignificant = false;

    long estimate() const { return (wholeDigits > 0 ? wholeDigits : -leadingZeros) + exponent; }
};

double decimalNumber(Cursor& c) {
    const std::size_t start = c.i;
    Magnitude mag;
    if (c.peek() == '+' || c.peek() == '-') c.take();
    int digits = 0;
    bool point = false;
    for (int ch = c.peek();; ch = c.peek()) {
        if (isDigit(ch)) {
            ++digits;
            if (ch != '0') mag.seenSignificant = true;
            if (!point && mag.seenSignificant) ++mag.wholeDigits;
            if (point && !mag.seenSignificant) ++mag.leadingZeros;
        } else if (ch == '.' && !point) {
            point = true;
        } else {
            break;
        }
        c.take();
    }
    if (digits == 0) return 0.0;

    bool plainExponent = true;
    const Cursor beforeExponent = c;
    const int e = c.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        plainExponent = e == 'E' || e == 'e';
        c.take();
        bool negativeExponent = false;
        if (c.peek() == '+' || c.peek() == '-') {
            negativeExponent = c.peek() == '-';
            c.take();
        }
        int exponentDigits = 0;
        for (int ch = c.peek(); isDigit(ch); ch = c.peek()) {
            if (mag.exponent < 1000000) mag.exponent = mag.exponent * 10 + (ch - '0');
            ++exponentDigits;
            c.take();
        }
        if (negativeExponent) mag.exponent = -mag.exponent;
        if (exponentDigits == 0) {
            c = beforeExponent;
            plainExponent = true;
        }
    }

    // from_chars reads the text in place unless it holds passed-over characters, a "+" sign
    // or a "D" exponent; then a cleaned copy is read.
    std::string_view text = c.s.substr(start, c.end - start);
    std::string cleaned;
    if (text.front() == '+' || !plainExponent || text.find_first_of(" \t\n") != std::string_view::npos) {
        cleaned.reserve(text.size());
        for (char ch : text.substr(text.front() == '+' ? 1 : 0)) {
            if (passedOver(ch)) continue;
            cleaned.push_back(ch == 'D' || ch == 'd' ? 'e' : ch);
        }
        text = cleaned;
    }
    double value = 0.0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range) {
        if (mag.estimate() > 0) raise(fault::Overflow);
        return 0.0;
    }
    return value + 0.0; // -0 reads as 0
}

// A whole number of at most 19 digits times a power of ten of at most 22 is one exact double
// multiplied or divided by another when the whole number is below 2^53: one correctly rounded
// operation, which from_chars would give too.
constexpr std::uint64_t kExactWhole = std::uint64_t{1} << 53;
constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value of eight digit characters read as one little-endian word, when all eight are digits:
// the digits' low nibbles are paired, then the pairs, then the fours, in three multiplications.
bool eightDigits(const char* c, std::uint64_t& value) {
    static_assert(std::endian::native == std::endian::little, "the first digit is the lowest byte");
    std::uint64_t w = 0;
    std::memcpy(&w, c, sizeof w);
    constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0u;
    constexpr std::uint64_t kZeros = 0x3030303030303030u;
    // Every byte 0x30..0x39: its top nibble is 3, and adding 6 leaves it 3.
    if ((w & kHigh) != kZeros || ((w + 0x0606060606060606u) & kHigh) != kZeros) return false;
    w -= kZeros;
    w = w * 10 + (w >> 8); // each even byte: two digits
    constexpr std::uint64_t kPairs = 0x000000FF000000FFu;
    value = ((w & kPairs) * (100 + (1000000ULL << 32)) + ((w >> 16) & kPairs) * (1 + (10000ULL << 32))) >> 32;
    return true;
}

// The same for four digit characters: byte 0 ends up d0 d1, byte 2 d2 d3.
bool fourDigits(const char* c, std::uint32_t& value) {
    std::uint32_t w = 0;
    std::memcpy(&w, c, sizeof w);
    constexpr std::uint32_t kHigh = 0xF0F0F0F0u;
    constexpr std::uint32_t kZeros = 0x30303030u;
    if ((w & kHigh) != kZeros || ((w + 0x06060606u) & kHigh) != kZeros) return false;
    w -= kZeros;
    w = w * 10 + (w >> 8);
    value = (w & 0xFF) * 100 + ((w >> 16) & 0xFF);
    return true;
}

// Reads digits from c while they fit a 19-digit whole number; false when there are more.
// Works on copies: stores through the references would be redone for every character, since a
// char may alias them.
[[gnu::always_inline]] inline bool wholeDigits(const char*& from, const char* end, std::uint64_t& wholeSoFar,
                                               int& digitsSoFar) {
    constexpr int kMostBeforeEight = 19 - 8;
    const char* c = from;
    std::uint64_t whole = wholeSoFar;
    int digits = digitsSoFar;
    for (std::uint64_t eight = 0; end - c >= 8 && digits <= kMostBeforeEight && eightDigits(c, eight);
         c += 8) {
        whole = whole * 100000000 + eight;
        digits += 8;
    }
    if (std::uint32_t four = 0; end - c >= 4 && digits <= 19 - 4 && fourDigits(c, four)) {
        whole = whole * 10000 + four;
        digits += 4;
        c += 4;
    }
    bool fits = true;
    for (; c != end && isDigit(*c); ++c) {
        if (++digits > 19) {
            fits = false;
            break;
        }
        whole = whole * 10 + static_cast<std::uint64_t>(*c - '0');
    }
    from = c;
    wholeSoFar = whole;
    digitsSoFar = digits;
    return fits;
}

// The common case, a text that is one plain number and nothing else ("51.45", "-1.5", ".5",
// "1E-05"): read in place, exactly where that is one operation, else by from_chars. The scan of
// decimalNumber takes exactly such a text whole and reads it by from_chars; anything else
// (blanks, "+", "D", "&", a number beyond the Double range, text after the number) is left to
// it.
bool plainNumber(std::string_view s, double& value) {
    const char* begin = s.data();
    const char* end = begin + s.size();
    const bool negative = begin != end && *begin == '-';
    const char* c = negative ? begin + 1 : begin;
    if (c == end || !(isDigit(*c) || *c == '.')) return false;

    std::uint64_t whole = 0;
    int digits = 0;
    int scale = 0; // value = whole x 10^scale
    bool exact = wholeDigits(c, end, whole, digits);
    if (exact && c != end && *c == '.') {
        const char* decimals = ++c;
        exact = wholeDigits(c, end, whole, digits);
        scale = -static_cast<int>(c - decimals);
    }
    if (exact && c != end && (*c == 'e' || *c == 'E')) {
        ++c;
        const bool negativeExponent = c != end && *c == '-';
        if (c != end && (*c == '-' || *c == '+')) ++c;
        int exponent = 0;
        const char* first = c;
        for (; c != end && isDigit(*c) && exponent < 1000; ++c)
            exponent = exponent * 10 + (*c - '0');
        exact = c != first;
        scale += negativeExponent ? -exponent : exponent;
    }
    if (exact && c == end && digits > 0 && whole <= kExactWhole && scale >= -22 && scale <= 22) {
        const auto w = static_cast<double>(whole);
        value = scale < 0 ? w / kExactTens[-scale] : w * kExactTens[scale];
        if (negative) value = -value;
        value += 0.0; // -0 reads as 0
        return true;
    }
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) return false;
    value += 0.0;
    return true;
}

} // namespace

double val(std::string_view s) {
    if (double value = 0; plainNumber(s, value)) return value;
    Cursor c{s};
    if (c.peek() != '&') return decimalNumber(c);
    c.take();
    const int kind = c.peek();
    if (kind == 'H' || kind == 'h') {
        c.take();
        return radixNumber(c, 16);
    }
    if (kind == 'O' || kind == 'o') {
        c.take();
        return radixNumber(c, 8);
    }
    return 0.0;
}

} // namespace basic
