#include "import/swap.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace osmimport {

namespace {

constexpr char kLineFeedMark = '\xA3';
constexpr char kQuoteMark = '\xFA';

unsigned char byteAt(std::string_view s, std::size_t i) noexcept {
    return static_cast<unsigned char>(s[i]);
}

bool isContinuation(std::string_view s, std::size_t i) noexcept {
    return i < s.size() && (byteAt(s, i) & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence that starts at i (2 to 4), 0 when none starts there:
// a lead byte whose continuation bytes follow, without overlong forms, surrogates or code points
// beyond U+10FFFF.
std::size_t sequenceAt(std::string_view s, std::size_t i) noexcept {
    const unsigned char lead = byteAt(s, i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + 1 >= s.size() || byteAt(s, i + 1) < low || byteAt(s, i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!isContinuation(s, i + k)) return 0;
    return length;
}

// The bytes a mode changes, as a table; most texts hold none of them and are copied whole.
struct ByteSet {
    std::array<bool, 256> in{};
    constexpr explicit ByteSet(std::string_view bytes) {
        for (const char c : bytes)
            in[static_cast<unsigned char>(c)] = true;
    }
    bool anyIn(std::string_view text) const noexcept {
        return std::any_of(text.begin(), text.end(),
                           [this](char c) { return in[static_cast<unsigned char>(c)]; });
    }
};

constexpr ByteSet kEscaped{"\r\n\","};
constexpr ByteSet kUnescaped{"+\xFA\xA3"};

std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                out += "+-";
                ++i;
            } else {
                out += kLineFeedMark;
            }
            break;
        case '\n':
            out += kLineFeedMark;
            break;
        case '"':
            out += kQuoteMark;
            break;
        case ',':
            out += ' ';
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '+' && i + 1 < text.size() && text[i + 1] == '-') {
            out += "\r\n";
            i += 2;
        } else if (c == kQuoteMark) {
            out += '"';
            ++i;
        } else if (c == kLineFeedMark) { // reached only where it continues no sequence
            out += '\n';
            ++i;
        } else if (const std::size_t length = sequenceAt(text, i); length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace

std::string swap(std::string_view text, int mode) {
    if (mode == kEscape) return kEscaped.anyIn(text) ? escape(text) : std::string(text);
    return kUnescaped.anyIn(text) ? unescape(text) : std::string(text);
}

} // namespace osmimport
