#include "basic/numtext.h"

#include "basic/digits.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace basic {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

enum class Form { Plain, Print };

// Longest text: sign, 15 digits, point and three zeros, or a 15-digit mantissa with "E+308".
constexpr std::size_t kMaxText = 32;

struct Text {
    char chars[kMaxText];
    std::size_t size = 0;

    void put(char c) { chars[size++] = c; }
    void put(std::string_view s) {
        for (char c : s)
            put(c);
    }
    void putWhole(long v) {
        size = static_cast<std::size_t>(std::to_chars(chars + size, chars + kMaxText, v).ptr - chars);
    }
    void putZeros(int n) {
        for (int i = 0; i < n; ++i)
            put('0');
    }
    std::string_view view() const { return {chars, size}; }
};

Text wholeText(long v, Form form) {
    Text t;
    if (v >= 0 && form == Form::Print) t.put(' ');
    t.putWhole(v);
    return t;
}

void putExponentForm(Text& t, const DecimalDigits& d) {
    t.put(d.digits[0]);
    if (d.count > 1) {
        t.put('.');
        t.put(std::string_view(d.digits + 1, static_cast<std::size_t>(d.count - 1)));
    }
    t.put('E');
    t.put(d.exponent < 0 ? '-' : '+');
    const int e = std::abs(d.exponent);
    if (e < 10) t.put('0');
    t.putWhole(e);
}

void putFixedForm(Text& t, const DecimalDigits& d, Form form) {
    const std::string_view digits(d.digits, static_cast<std::size_t>(d.count));
    if (d.exponent < 0) {
        if (form == Form::Plain) t.put('0');
        t.put('.');
        t.putZeros(-d.exponent - 1);
        t.put(digits);
        return;
    }
    const auto whole = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= whole) {
        t.put(digits);
        t.putZeros(static_cast<int>(whole - digits.size()));
        return;
    }
    t.put(digits.substr(0, whole));
    t.put('.');
    t.put(digits.substr(whole));
}

Text floatText(double v, int precision, Form form) {
    Text t;
    if (std::isnan(v)) {
        t.put("1.#QNAN");
        return t;
    }
    if (std::isinf(v)) {
        t.put(v < 0 ? "-1.#INF" : "1.#INF");
        return t;
    }
    if (v < 0)
        t.put('-');
    else if (form == Form::Print)
        t.put(' ');
    if (v == 0) {
        t.put('0');
        return t;
    }
    const DecimalDigits d = significantDigits(std::fabs(v), precision);
    if (d.exponent < -4 || d.exponent >= precision)
        putExponentForm(t, d);
    else
        putFixedForm(t, d, form);
    return t;
}

std::string toString(const Text& t) {
    return std::string(t.view());
}

} // namespace

std::string dec(Integer v) {
    return toString(wholeText(v, Form::Plain));
}
std::string dec(Long v) {
    return toString(wholeText(v, Form::Plain));
}
std::string dec(Single v) {
    return toString(floatText(v, kSingleDigits, Form::Plain));
}
std::string dec(Double v) {
    return toString(floatText(v, kDoubleDigits, Form::Plain));
}

std::string str(Integer v) {
    return toString(wholeText(v, Form::Print));
}
std::string str(Long v) {
    return toString(wholeText(v, Form::Print));
}
std::string str(Single v) {
    return toString(floatText(v, kSingleDigits, Form::Print));
}
std::string str(Double v) {
    return toString(floatText(v, kDoubleDigits, Form::Print));
}

void appendDec(std::string& out, Integer v) {
    out.append(wholeText(v, Form::Plain).view());
}
void appendDec(std::string& out, Long v) {
    out.append(wholeText(v, Form::Plain).view());
}
void appendDec(std::string& out, Single v) {
    out.append(floatText(v, kSingleDigits, Form::Plain).view());
}
void appendDec(std::string& out, Double v) {
    out.append(floatText(v, kDoubleDigits, Form::Plain).view());
}

void appendStr(std::string& out, Integer v) {
    out.append(wholeText(v, Form::Print).view());
}
void appendStr(std::string& out, Long v) {
    out.append(wholeText(v, Form::Print).view());
}
void appendStr(std::string& out, Single v) {
    out.append(floatText(v, kSingleDigits, Form::Print).view());
}
void appendStr(std::string& out, Double v) {
    out.append(floatText(v, kDoubleDigits, Form::Print).view());
}

} // namespace basic
