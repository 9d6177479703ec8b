#include "import/swap.h"

#include "basic/utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace osmimport {

namespace {

constexpr char kLineFeedMark = '\xA3';
constexpr char kQuoteMark = '\xFA';

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
        } else if (const std::size_t length = basic::utf8SequenceAt(text, i); length > 0) {
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
