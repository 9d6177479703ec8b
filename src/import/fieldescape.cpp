#include "import/fieldescape.h"

#include "basic/utf8.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace osmimport {

namespace {

constexpr char kLineFeedMark = '\xA3';
constexpr char kQuoteMark = '\xFA';

// The bytes a coding changes, as a table; most texts hold none of them and are copied whole, and
// the runs between them are copied in one piece.
struct ByteSet {
    std::array<bool, 256> in{};
    constexpr explicit ByteSet(std::string_view bytes, bool upperHalf = false) {
        for (const char c : bytes)
            in[static_cast<unsigned char>(c)] = true;
        for (std::size_t b = 0x80; upperHalf && b < in.size(); ++b)
            in[b] = true;
    }
    bool anyIn(std::string_view text) const noexcept { return next(text, 0) < text.size(); }
    // The first byte of the set at or after from; text.size() when none is left.
    std::size_t next(std::string_view text, std::size_t from) const noexcept {
        while (from < text.size() && !in[static_cast<unsigned char>(text[from])])
            ++from;
        return from;
    }
};

constexpr ByteSet kEscaped{"\r\n\","};
constexpr ByteSet kUnescaped{"+\xFA\xA3"};
// Where unescaping looks closer: every byte that may start "+-" or a multi-byte sequence, which
// is kept whole even where it holds an 0xA3.
constexpr ByteSet kUnescapeStops{"+", true};

void escape(std::string& out, std::string_view text) {
    out.reserve(out.size() + text.size() + text.size() / 16);
    std::size_t from = 0;
    for (std::size_t i = kEscaped.next(text, 0); i < text.size(); i = kEscaped.next(text, from)) {
        out.append(text.substr(from, i - from));
        from = i + 1;
        switch (text[i]) {
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                out += "+-";
                ++from;
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
        default: // ','
            out += ' ';
        }
    }
    out.append(text.substr(from));
}

void unescape(std::string& out, std::string_view text) {
    out.reserve(out.size() + text.size());
    std::size_t from = 0;
    for (std::size_t i = kUnescapeStops.next(text, 0); i < text.size(); i = kUnescapeStops.next(text, from)) {
        out.append(text.substr(from, i - from));
        const char c = text[i];
        from = i + 1;
        if (c == '+' && i + 1 < text.size() && text[i + 1] == '-') {
            out += "\r\n";
            ++from;
        } else if (c == kQuoteMark) {
            out += '"';
        } else if (c == kLineFeedMark) { // reached only where it continues no sequence
            out += '\n';
        } else if (const std::size_t length = basic::utf8SequenceAt(text, i); length > 0) {
            out.append(text.substr(i, length));
            from = i + length;
        } else {
            out += c;
        }
    }
    out.append(text.substr(from));
}

// A cut after c leaves both codings' results unchanged: no mark or sequence goes across it.
bool cutsAfter(char c, std::string_view keepWhole) {
    constexpr std::string_view kMarkBytes = "\r\n\",+";
    return static_cast<unsigned char>(c) < 0x80 && kMarkBytes.find(c) == std::string_view::npos &&
           keepWhole.find(c) == std::string_view::npos;
}

} // namespace

void codeFieldInPieces(std::string_view text, FieldCoding coding, std::size_t pieceBytes,
                       std::string_view keepWhole,
                       const std::function<void(std::string_view coded, const char* readTo)>& piece) {
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t cut = std::min(from + std::max<std::size_t>(pieceBytes, 1), text.size());
        while (cut < text.size() && !cutsAfter(text[cut - 1], keepWhole))
            ++cut;
        const std::string_view part = text.substr(from, cut - from);
        std::string coded;
        appendCodedField(coded, part, coding);
        piece(coded, part.data() + part.size());
        from = cut;
    }
}

void appendCodedField(std::string& out, std::string_view text, FieldCoding coding) {
    const bool escaping = coding == FieldCoding::escape;
    if (escaping ? !kEscaped.anyIn(text) : !kUnescaped.anyIn(text))
        out.append(text);
    else if (escaping)
        escape(out, text);
    else
        unescape(out, text);
}

std::string escapeField(std::string_view text) {
    std::string out;
    appendCodedField(out, text, FieldCoding::escape);
    return out;
}

std::string unescapeField(std::string_view text) {
    std::string out;
    appendCodedField(out, text, FieldCoding::unescape);
    return out;
}

} // namespace osmimport
