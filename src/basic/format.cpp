#include "basic/format.h"

#include "basic/digits.h"
#include "basic/fault.h"
#include "basic/numtext.h"
#include "basic/text.h"

#include <algorithm>
#include <cmath>

namespace basic {

namespace {

constexpr int kFormatDigits = 15;

struct DigitPattern {
    int wholeDigits;
    int decimals;
    bool point;
};

DigitPattern parsePattern(std::string_view pattern) {
    std::size_t i = pattern.find_first_not_of('0');
    if (i == std::string_view::npos) i = pattern.size();
    DigitPattern p{static_cast<int>(i), 0, i < pattern.size() && pattern[i] == '.'};
    if (p.point) {
        const std::size_t zeros = pattern.find_first_not_of('0', i + 1);
        const std::size_t end = zeros == std::string_view::npos ? pattern.size() : zeros;
        p.decimals = static_cast<int>(end - i - 1);
        i = end;
    }
    if (i != pattern.size() || (p.wholeDigits == 0 && !p.point)) raise(fault::InvalidProcedureCall);
    return p;
}

// The digits of d at the places from top + 1 (room for a carry) down to -decimals, rounded half
// away from zero at the last place. A d without digits is zero.
std::string placeDigits(const DecimalDigits& d, int top, int decimals) {
    std::string cells(static_cast<std::size_t>(top + 2 + decimals), '0');
    const auto cellOf = [&](int place) { return static_cast<std::size_t>(top + 1 - place); };
    for (int i = 0; i < d.count && d.exponent - i >= -decimals; ++i)
        cells[cellOf(d.exponent - i)] = d.digits[i];
    const int roundingIndex = d.exponent + decimals + 1;
    if (roundingIndex >= 0 && roundingIndex < d.count && d.digits[roundingIndex] >= '5') {
        std::size_t c = cellOf(-decimals);
        while (cells[c] == '9')
            cells[c--] = '0';
        ++cells[c];
    }
    return cells;
}

bool readNumber(std::string_view s, std::size_t& i, std::size_t minDigits, std::size_t maxDigits,
                int& value) {
    const std::size_t start = i;
    value = 0;
    while (i < s.size() && i - start < maxDigits && s[i] >= '0' && s[i] <= '9')
        value = value * 10 + (s[i++] - '0');
    return i - start >= minDigits && (i == s.size() || s[i] < '0' || s[i] > '9');
}

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

void putTwoDigits(std::string& out, int n) {
    out.push_back(static_cast<char>('0' + n / 10));
    out.push_back(static_cast<char>('0' + n % 10));
}

} // namespace

std::string format(double value, std::string_view pattern) {
    const DigitPattern p = parsePattern(pattern);
    if (!std::isfinite(value)) return dec(value);
    const DecimalDigits d = value == 0 ? DecimalDigits{} : significantDigits(std::fabs(value), kFormatDigits);
    const int top = std::max(d.exponent, 0);
    const std::string cells = placeDigits(d, top, p.decimals);
    const std::string_view whole = std::string_view(cells).substr(0, static_cast<std::size_t>(top) + 2);
    std::string_view significant = whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));

    std::string out;
    out.reserve(cells.size() + static_cast<std::size_t>(p.wholeDigits) + 2);
    if (value < 0) out.push_back('-');
    if (static_cast<int>(significant.size()) < p.wholeDigits)
        out.append(static_cast<std::size_t>(p.wholeDigits) - significant.size(), '0');
    out.append(significant);
    if (p.point) out.push_back('.');
    out.append(std::string_view(cells).substr(whole.size()));
    return out;
}

std::string formatDate(std::string_view text) {
    const std::string_view s = trimView(text);
    std::size_t i = 0;
    int year = 0, month = 0, day = 0;
    const bool shaped = readNumber(s, i, 4, 4, year) && i < s.size() && s[i++] == '-' &&
                        readNumber(s, i, 1, 2, month) && i < s.size() && s[i++] == '-' &&
                        readNumber(s, i, 1, 2, day) && i == s.size();
    if (!shaped || year < 100 || month < 1 || month > 12 || day < 1 || day > daysInMonth(month, year))
        return std::string(text);
    std::string out;
    out.reserve(10);
    putTwoDigits(out, day);
    out.push_back('/');
    putTwoDigits(out, month);
    out.push_back('/');
    putTwoDigits(out, year / 100);
    putTwoDigits(out, year % 100);
    return out;
}

} // namespace basic
