#include "routes/xmltext.h"

#include "platform/qtext.h"

#include <QByteArray>

namespace routes {
namespace {

// The length of the character at utf8[i] that is left out, or 0 when it is kept: a control
// other than TAB, LF and CR, DEL, a control of the second block (C2 80..C2 9F) or one of the
// noncharacters U+FFFE and U+FFFF (EF BF BE, EF BF BF).
std::size_t leftOutAt(std::string_view utf8, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0;
    };
    const unsigned char c = byte(0);
    if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) return 1;
    if (c == 0xC2 && byte(1) >= 0x80 && byte(1) <= 0x9F) return 2;
    if (c == 0xEF && byte(1) == 0xBF && (byte(2) == 0xBE || byte(2) == 0xBF)) return 3;
    return 0;
}

void appendEscaped(std::string& out, char c) {
    switch (c) {
    case '&':
        out += "&amp;";
        break;
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        out += c;
    }
}

} // namespace

void appendXmlText(std::string& out, std::string_view text) {
    const QByteArray encoded = platform::bytesToQString(text).toUtf8();
    const std::string_view utf8(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    for (std::size_t i = 0; i < utf8.size();) {
        if (const std::size_t leftOut = leftOutAt(utf8, i)) {
            i += leftOut;
            continue;
        }
        appendEscaped(out, utf8[i++]);
    }
}

} // namespace routes
