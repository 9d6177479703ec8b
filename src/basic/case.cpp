#include "basic/case.h"

#include <array>

namespace basic {

namespace {

using Table = std::array<unsigned char, 256>;

constexpr Table makeLowerTable() {
    Table t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) t[c] = static_cast<unsigned char>(c + 32);
    t[0x8A] = 0x9A;
    t[0x8C] = 0x9C;
    t[0x8E] = 0x9E;
    t[0x9F] = 0xFF;
    return t;
}

constexpr Table makeUpperTable() {
    const Table lower = makeLowerTable();
    Table t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    for (int c = 0; c < 256; ++c)
        if (lower[c] != c) t[lower[c]] = static_cast<unsigned char>(c);
    return t;
}

constexpr Table kLower = makeLowerTable();
constexpr Table kUpper = makeUpperTable();

std::string mapped(std::string_view s, const Table& table) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return out;
}

bool separatesWords(unsigned char c) {
    return c == ' ' || c == 0 || (c >= 9 && c <= 13);
}

} // namespace

unsigned char lowerByte(unsigned char c) noexcept {
    return kLower[c];
}
unsigned char upperByte(unsigned char c) noexcept {
    return kUpper[c];
}

std::string lcase(std::string_view s) {
    return mapped(s, kLower);
}
void lcaseInto(std::string_view s, std::string& out) {
    out.assign(s);
    for (char& c : out)
        c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
}
std::string ucase(std::string_view s) {
    return mapped(s, kUpper);
}

std::string pcase(std::string_view s) {
    std::string out(s);
    bool wordStart = true;
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        ch = static_cast<char>(wordStart ? kUpper[c] : kLower[c]);
        wordStart = separatesWords(c);
    }
    return out;
}

} // namespace basic
