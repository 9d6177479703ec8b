#include "basic/val.h"

#include "basic/fault.h"

#include <charconv>
#include <cstdint>
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

} // namespace

double val(std::string_view s) {
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
